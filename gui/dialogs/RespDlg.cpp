#include "gui/dialogs/RespDlg.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace morvelan {

RespDlg::RespDlg(const QString& text, QWidget* parent) : QDialog(parent), m_text(text) {
    setModal(true);
    setWindowTitle(QStringLiteral("Morvelan"));
    auto* layout = new QVBoxLayout(this);
    auto* box = new QPlainTextEdit(text, this);
    box->setObjectName(QStringLiteral("text"));
    box->setReadOnly(true);
    box->setMinimumSize(480, 260);
    layout->addWidget(box);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

QString RespDlg::text() const {
    return m_text;
}

} // namespace morvelan
