// Prompts that record every message and answer every question from a fixed value.
#pragma once

#include "core/Prompts.h"

#include <optional>
#include <string>
#include <vector>

namespace morvelan::test {

struct RecordedMessage {
    std::string title;
    std::string text;
    PromptIcon icon;
};

class RecordingPrompts : public Prompts {
public:
    std::vector<RecordedMessage> messages;

    void message(const std::string& title, const std::string& text, PromptIcon icon) override {
        messages.push_back({title, text, icon});
    }
    bool askYesNo(const std::string&, const std::string&, PromptIcon) override { return false; }
    bool askOkCancel(const std::string&, const std::string&, PromptIcon) override { return false; }
    std::optional<std::string> openFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

} // namespace morvelan::test
