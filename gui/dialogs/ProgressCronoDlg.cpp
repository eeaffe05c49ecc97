#include "gui/dialogs/ProgressCronoDlg.h"

#include "core/present/ProgressLogic.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace morvelan {

ProgressCronoDlg::ProgressCronoDlg(const QString& text, QWidget* parent)
    : QDialog(parent), m_clock(new QLabel(this)), m_timer(new QTimer(this)) {
    setModal(true);
    setWindowTitle(QStringLiteral("Morvelan"));
    auto* layout = new QVBoxLayout(this);
    auto* message = new QLabel(text, this);
    message->setObjectName(QStringLiteral("message"));
    message->setWordWrap(true);
    layout->addWidget(message);
    m_clock->setObjectName(QStringLiteral("clock"));
    m_clock->setAlignment(Qt::AlignCenter);
    auto clockFont = m_clock->font();
    clockFont.setPointSize(clockFont.pointSize() * 2);
    clockFont.setBold(true);
    m_clock->setFont(clockFont);
    m_clock->setText(QString::fromStdString(chronometerText(0)));
    layout->addWidget(m_clock);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    connect(m_timer, &QTimer::timeout, this, &ProgressCronoDlg::tick);
    m_timer->start(kTickMs);
}

void ProgressCronoDlg::tick() {
    m_elapsedMs += kTickMs;
    m_clock->setText(QString::fromStdString(chronometerText(m_elapsedMs)));
}

QString ProgressCronoDlg::clockText() const {
    return m_clock->text();
}

} // namespace morvelan
