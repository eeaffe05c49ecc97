#include "gui/dialogs/CScriptOutputDlg.h"

#include "core/present/ScriptColouring.h"

#include <QDialogButtonBox>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace morvelan {

void showColouredScriptLog(QTextEdit& view, const QString& log) {
    view.clear();
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    QTextCursor cursor(view.document());
    bool first = true;
    for (const auto& line : colourScriptLog(log.toStdString())) {
        if (!first)
            cursor.insertBlock();
        first = false;
        const auto rgb = rgbOf(line.colour);
        QTextCharFormat format;
        format.setFont(font);
        format.setForeground(QColor(rgb.red, rgb.green, rgb.blue));
        cursor.insertText(QString::fromStdString(line.text), format);
    }
    view.moveCursor(QTextCursor::Start);
    view.verticalScrollBar()->setValue(0);
}

CScriptOutputDlg::CScriptOutputDlg(const QString& log, QWidget* parent)
    : QDialog(parent), m_view(new QTextEdit(this)) {
    setModal(true);
    setWindowTitle(QStringLiteral("Execução de Script"));
    auto* layout = new QVBoxLayout(this);
    m_view->setObjectName(QStringLiteral("log"));
    m_view->setReadOnly(true);
    m_view->setLineWrapMode(QTextEdit::NoWrap);
    m_view->setMinimumSize(720, 440);
    layout->addWidget(m_view);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    showColouredScriptLog(*m_view, log);
}

} // namespace morvelan
