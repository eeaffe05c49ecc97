// Every message box and file dialog of the program goes through this interface, so that the
// logic can be tested with recorded answers. Texts are UTF-8 here; the Qt implementation shows
// them as they are.
#pragma once

#include <optional>
#include <string>

namespace morvelan {

inline constexpr const char* kAlertTitle = "Alerta Morvelan";
inline constexpr const char* kErrorTitle = "Erro Morvelan";

enum class PromptIcon { None, Information, Warning, Error, Question };

class Prompts {
public:
    virtual ~Prompts() = default;

    // A message with an OK button.
    virtual void message(const std::string& title, const std::string& text, PromptIcon icon) = 0;
    // Yes/No question; true on "Sim".
    virtual bool askYesNo(const std::string& title, const std::string& text, PromptIcon icon) = 0;
    // OK/Cancel confirmation; true on OK.
    virtual bool askOkCancel(const std::string& title, const std::string& text,
                             PromptIcon icon) = 0;
    // File dialogs; `filter` in the form "Arquivo Texto (*.txt)". Empty optional on cancel.
    virtual std::optional<std::string> openFile(const std::string& filter,
                                                const std::string& defaultExtension) = 0;
    virtual std::optional<std::string> saveFile(const std::string& filter,
                                                const std::string& defaultExtension) = 0;
    // A script's timed message: `text` above a clock of the time elapsed until the technician
    // presses OK; returns then. Without a clock of its own it is a plain message.
    virtual void chronometer(const std::string& text) {
        message(kAlertTitle, text, PromptIcon::Information);
    }
};

} // namespace morvelan
