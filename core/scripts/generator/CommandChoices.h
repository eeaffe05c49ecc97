// The dictionary's commands as the generator offers them while a line is typed: each one's code,
// name and number of fields, in slot order.
#pragma once

#include "core/scripts/dictionary/CommandDictionary.h"

#include <string>
#include <vector>

namespace morvelan {

struct CommandChoice {
    int group = 0; // one-based slots, as the tree numbers them
    int command = 0;
    std::string code; // UTF-8
    std::string name;
    int fieldCount = 0;
};

// Every command the tree shows (those with a name).
std::vector<CommandChoice> CommandChoices(const CommandDictionary& table);

// "code - name", as a command is offered and as the form names its command.
std::string CommandChoiceText(std::string_view code, std::string_view name);

} // namespace morvelan
