#include "gui/dialogs/CProgressUpdateDlg.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace morvelan {

CProgressUpdateDlg::CProgressUpdateDlg(const UpdateProgress& progress, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_progress(progress), m_percentage(new QLabel(this)), m_remaining(new QLabel(this)),
      m_bar(new QProgressBar(this)), m_timer(new QTimer(this)) {
    setModal(true);
    setWindowTitle(QStringLiteral("Morvelan"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QHBoxLayout;
    heading->addWidget(new QLabel(QStringLiteral("Habilitando Impressora..."), this));
    heading->addStretch();
    m_percentage->setObjectName(QStringLiteral("percentage"));
    heading->addWidget(m_percentage);
    layout->addLayout(heading);
    m_bar->setObjectName(QStringLiteral("progressBar"));
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);
    m_bar->setMinimumWidth(320);
    layout->addWidget(m_bar);
    auto* estimate = new QHBoxLayout;
    estimate->addWidget(new QLabel(QStringLiteral("Tempo Restante Estimado:"), this));
    m_remaining->setObjectName(QStringLiteral("remaining"));
    estimate->addWidget(m_remaining);
    estimate->addStretch();
    layout->addLayout(estimate);
    connect(m_timer, &QTimer::timeout, this, &CProgressUpdateDlg::tick);
    m_timer->start(kTickMs);
}

void CProgressUpdateDlg::tick() {
    const auto estimate =
        estimateUpdate(m_progress.startOffset.load(), m_progress.endOffset.load(),
                       m_progress.offsetReached.load(), m_progress.section.load());
    if (estimate) {
        m_percentage->setText(QString::fromStdString(estimate->percentageText));
        m_bar->setValue(std::clamp(estimate->percentage, 0, 100));
        m_remaining->setText(QString::fromStdString(estimate->remainingText));
    }
    if (m_progress.done.load(std::memory_order_acquire) != 0) {
        m_timer->stop();
        accept();
    }
}

QString CProgressUpdateDlg::percentageText() const {
    return m_percentage->text();
}
QString CProgressUpdateDlg::remainingText() const {
    return m_remaining->text();
}
int CProgressUpdateDlg::barPosition() const {
    return m_bar->value();
}

void CProgressUpdateDlg::reject() {
    // Interrupting the transfer half-way could leave the printer unusable: no Escape.
}

void CProgressUpdateDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
}

} // namespace morvelan
