// Prompts that show nothing and answer "no": for work done ahead of a step that tells the
// technician the same thing, and for benchmarks, where nobody is there to answer.
#pragma once

#include "core/base/Prompts.h"

namespace morvelan {

class SilentPrompts final : public Prompts {
public:
    void message(const std::string&, const std::string&, PromptIcon) override {}
    bool askYesNo(const std::string&, const std::string&, PromptIcon) override { return false; }
    bool askOkCancel(const std::string&, const std::string&, PromptIcon) override { return false; }
    std::optional<std::string> openFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

} // namespace morvelan
