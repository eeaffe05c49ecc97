// Prompts that answer from queues and remember every call, so tests assert the exact texts,
// titles, icons and kinds of what the technician would have been asked.
#pragma once

#include "core/base/Prompts.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace morvelan::test {

struct PromptCall {
    std::string kind;  // "message", "yesno", "okcancel", "open", "save", "chronometer"
    std::string title; // the filter, for the file dialogs
    std::string text;  // the default extension, for the file dialogs
    PromptIcon icon = PromptIcon::None;
};

class RecordingPrompts final : public Prompts {
public:
    std::vector<PromptCall> messages;
    std::deque<bool> answers; // for yes/no and OK/Cancel; "Não"/Cancel once empty
    std::deque<std::optional<std::string>> files; // for the file dialogs; cancelled once empty

    void message(const std::string& title, const std::string& text, PromptIcon icon) override {
        messages.push_back({"message", title, text, icon});
    }
    bool askYesNo(const std::string& title, const std::string& text, PromptIcon icon) override {
        messages.push_back({"yesno", title, text, icon});
        return next(answers, false);
    }
    bool askOkCancel(const std::string& title, const std::string& text, PromptIcon icon) override {
        messages.push_back({"okcancel", title, text, icon});
        return next(answers, false);
    }
    std::optional<std::string> openFile(const std::string& filter,
                                        const std::string& extension) override {
        messages.push_back({"open", filter, extension, PromptIcon::None});
        return next(files, std::optional<std::string>{});
    }
    std::optional<std::string> saveFile(const std::string& filter,
                                        const std::string& extension) override {
        messages.push_back({"save", filter, extension, PromptIcon::None});
        return next(files, std::optional<std::string>{});
    }
    void chronometer(const std::string& text) override {
        messages.push_back({"chronometer", kAlertTitle, text, PromptIcon::Information});
    }

private:
    template <typename T> static T next(std::deque<T>& queue, T whenEmpty) {
        if (queue.empty()) {
            return whenEmpty;
        }
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

} // namespace morvelan::test
