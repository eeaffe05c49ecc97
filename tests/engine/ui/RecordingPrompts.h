// Prompts that answer from a queue and remember every call, so tests assert the exact texts.
#pragma once

#include "core/Prompts.h"

#include <deque>
#include <string>
#include <vector>

namespace morvelan::test {

struct PromptCall {
    std::string kind; // "message", "yesno", "okcancel", "open", "save"
    std::string title;
    std::string text;
    PromptIcon icon = PromptIcon::None;
};

class RecordingPrompts final : public Prompts {
public:
    std::vector<PromptCall> calls;
    std::deque<bool> answers; // for yes/no and OK/Cancel; false once empty
    std::deque<std::optional<std::string>> files;

    void message(const std::string& title, const std::string& text, PromptIcon icon) override {
        calls.push_back({"message", title, text, icon});
    }
    bool askYesNo(const std::string& title, const std::string& text, PromptIcon icon) override {
        calls.push_back({"yesno", title, text, icon});
        return next();
    }
    bool askOkCancel(const std::string& title, const std::string& text, PromptIcon icon) override {
        calls.push_back({"okcancel", title, text, icon});
        return next();
    }
    std::optional<std::string> openFile(const std::string& filter,
                                        const std::string& extension) override {
        calls.push_back({"open", filter, extension, PromptIcon::None});
        return nextFile();
    }
    std::optional<std::string> saveFile(const std::string& filter,
                                        const std::string& extension) override {
        calls.push_back({"save", filter, extension, PromptIcon::None});
        return nextFile();
    }

private:
    bool next() {
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<std::string> nextFile() {
        if (files.empty())
            return std::nullopt;
        auto file = files.front();
        files.pop_front();
        return file;
    }
};

} // namespace morvelan::test
