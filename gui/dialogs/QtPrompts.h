// The program's message boxes and file dialogs, shown with real Qt widgets. Lives on the
// user-interface thread; any thread may call it: calls from a worker are carried over to the
// user-interface thread, and the worker waits there until the technician has answered.
#pragma once

#include "core/base/Prompts.h"

#include <QFileDialog>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace morvelan {

class QtPrompts final : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr);

    // Dialogs open over this window (it may change when the main window is rebuilt).
    void setParentWidget(QWidget* parent);

    void message(const std::string& title, const std::string& text, PromptIcon icon) override;
    bool askYesNo(const std::string& title, const std::string& text, PromptIcon icon) override;
    bool askOkCancel(const std::string& title, const std::string& text, PromptIcon icon) override;
    std::optional<std::string> openFile(const std::string& filter,
                                        const std::string& defaultExtension) override;
    std::optional<std::string> saveFile(const std::string& filter,
                                        const std::string& defaultExtension) override;

    // The chronometer a script's "#@" line shows; returns when the technician presses OK.
    void chronometer(const std::string& text) override;

private:
    template <typename Fn> void onUiThread(Fn&& fn);
    // The file dialog behind openFile and saveFile, over the parent window.
    std::optional<std::string> chooseFile(QFileDialog::AcceptMode acceptMode,
                                          const std::string& filter,
                                          const std::string& defaultExtension);
    QPointer<QWidget> m_parent;
};

// "Arquivo Texto (*.txt)" stays as it is; the older "Descrição (*.x)|*.x||" form becomes the
// name filters that Qt's file dialog takes.
QStringList nameFilters(const std::string& filter);
// "*.SEQ", ".SEQ" or "SEQ" -> "SEQ".
QString defaultSuffix(const std::string& defaultExtension);

} // namespace morvelan
