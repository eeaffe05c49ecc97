#include "core/scripts/generator/CommandChoices.h"

#include "core/base/Cp1252.h"

#include <algorithm>

namespace morvelan {

std::vector<CommandChoice> CommandChoices(const CommandDictionary& table) {
    std::vector<CommandChoice> choices;
    for (int g = 0; g < kMaxGroups; ++g) {
        if (SlotText(table.groups[g].name).empty()) {
            continue;
        }
        for (int c = 0; c < kMaxCommandsPerGroup; ++c) {
            const CommandEntry& entry = table.groups[g].commands[c];
            if (SlotText(entry.name).empty()) {
                continue;
            }
            choices.push_back({g + 1, c + 1, fromCp1252(SlotText(entry.code)),
                               fromCp1252(SlotText(entry.name)),
                               std::clamp<int>(entry.fieldCount, 0, kMaxFields)});
        }
    }
    return choices;
}

std::string CommandChoiceText(std::string_view code, std::string_view name) {
    return std::string(code) + " - " + std::string(name);
}

} // namespace morvelan
