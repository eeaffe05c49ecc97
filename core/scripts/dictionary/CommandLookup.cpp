// Finding a command by the code at the start of a command line, in slot order.
#include "core/scripts/dictionary/CommandDictionary.h"

namespace morvelan {

namespace {

template <typename Matches>
std::optional<CommandSlot> FindFirst(const CommandDictionary& table, Matches matches) {
    for (int group = 0; group < kMaxGroups; ++group) {
        for (int command = 0; command < kMaxCommandsPerGroup; ++command) {
            const CommandEntry& entry = table.groups[group].commands[command];
            if (entry.code[0] != '\0' && matches(entry)) {
                return CommandSlot{group, command};
            }
        }
    }
    return std::nullopt;
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::optional<CommandSlot> FindCommandForScriptLine(const CommandDictionary& table,
                                                    std::string_view line) {
    return FindFirst(table, [line](const CommandEntry& entry) {
        // Compared as zero-terminated texts over at most four characters.
        for (std::size_t i = 0; i < 4; ++i) {
            const char fromLine = i < line.size() ? line[i] : '\0';
            if (fromLine != entry.code[i]) {
                return false;
            }
            if (fromLine == '\0') {
                return true;
            }
        }
        return true;
    });
}

std::optional<CommandSlot> FindCommandForEditorLine(const CommandDictionary& table,
                                                    std::string_view line) {
    std::string head(line.substr(0, 4));
    for (char& c : head) {
        c = Upper(c);
    }
    return FindFirst(table,
                     [&head](const CommandEntry& entry) { return SlotText(entry.code) == head; });
}

bool DictionaryHoldsCommands(const CommandDictionary& table) {
    return FindFirst(table, [](const CommandEntry&) { return true; }).has_value();
}

} // namespace morvelan
