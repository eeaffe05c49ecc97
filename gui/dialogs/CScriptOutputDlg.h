// The "Execução de Script" window: the command log of a script run, each line coloured by what
// it reports.
#pragma once

#include <QDialog>

class QTextEdit;

namespace morvelan {

// Fills `view` with the log, coloured line by line, and scrolls back to its top. The script
// executor shows its output the same way.
void showColouredScriptLog(QTextEdit& view, const QString& log);

class CScriptOutputDlg final : public QDialog {
public:
    explicit CScriptOutputDlg(const QString& log, QWidget* parent = nullptr);

    QTextEdit* view() const { return m_view; }

private:
    QTextEdit* m_view;
};

} // namespace morvelan
