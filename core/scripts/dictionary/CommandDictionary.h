// The command dictionary: the printer's raw protocol commands as described in comandos.xml,
// held in one fixed-size, zero-filled table. Texts are zero-terminated Windows-1252 strings in
// fixed-width slots; a text longer than its slot is cut, and entries beyond a capacity are
// ignored, so reading a file never writes outside the table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string_view>
#include <type_traits>

namespace morvelan {

class Prompts;

inline constexpr const char* kCommandDictionaryFileName = "comandos.xml";

inline constexpr int kMaxGroups = 20;
inline constexpr int kMaxCommandsPerGroup = 20;
inline constexpr int kMaxExtensions = 8;
inline constexpr int kMaxFields = 15;
inline constexpr int kMaxResponses = 30;
inline constexpr std::size_t kCodeSlot = 5;  // four characters and the terminator
inline constexpr std::size_t kTextSlot = 60; // 59 characters and the terminator

// Description text that marks a parameter field the technician may not edit.
inline constexpr std::string_view kReservedField = "RESERVADO";

struct CommandExtension {
    char code[kCodeSlot] = {};
    char description[kTextSlot] = {};
};

struct CommandEntry {
    std::int32_t fieldCount = 0;
    std::int32_t responseCount = 0;
    std::int32_t extensionCount = 0;
    char code[kCodeSlot] = {};
    char name[kTextSlot] = {};
    char fieldDescriptions[kMaxFields][kTextSlot] = {};
    char fieldDefaults[kMaxFields][kTextSlot] = {};
    char responseDescriptions[kMaxResponses][kTextSlot] = {};
    CommandExtension extensions[kMaxExtensions] = {};
};

struct CommandGroup {
    char name[kTextSlot] = {};
    CommandEntry commands[kMaxCommandsPerGroup] = {};
};

// The whole table, one contiguous block (about 1.6 MB: allocate it, do not put it on a stack).
struct CommandDictionary {
    CommandGroup groups[kMaxGroups] = {};
};

static_assert(sizeof(CommandExtension) == 65);
static_assert(offsetof(CommandEntry, code) == 12);
static_assert(offsetof(CommandEntry, name) == 17);
static_assert(offsetof(CommandEntry, fieldDescriptions) == 77);
static_assert(offsetof(CommandEntry, fieldDefaults) == 977);
static_assert(offsetof(CommandEntry, responseDescriptions) == 1877);
static_assert(offsetof(CommandEntry, extensions) == 3677);
static_assert(sizeof(CommandEntry) == 4200);
static_assert(sizeof(CommandGroup) == 60 + 20 * 4200);
static_assert(sizeof(CommandDictionary) == 20 * sizeof(CommandGroup));
static_assert(std::is_trivially_copyable_v<CommandDictionary>);
static_assert(std::is_standard_layout_v<CommandDictionary>);

// The text held in a slot, up to its terminator (or the whole slot if it has none).
template <std::size_t N> std::string_view SlotText(const char (&slot)[N]) {
    const void* end = std::memchr(slot, 0, N);
    return std::string_view(slot, end ? static_cast<const char*>(end) - slot : N);
}

// Stores `text` in a slot, cut to fit, and zero-fills the rest of the slot.
template <std::size_t N> void SetSlotText(char (&slot)[N], std::string_view text) {
    const std::size_t length = text.size() < N - 1 ? text.size() : N - 1;
    std::memset(slot, 0, N);
    std::memcpy(slot, text.data(), length);
}

// Clears the table and fills it from comandos.xml in `programDirectory`. False only when the
// file cannot be read; a parse error is shown through `prompts` and leaves the table empty.
bool LoadCommandDictionary(const std::filesystem::path& programDirectory, Prompts& prompts,
                           CommandDictionary& table);

// Writes the defaults held in the table for one command (zero-based slots) into the DEFAULT
// elements of that command in comandos.xml, replacing the file atomically. False when the file
// cannot be read, the slots are out of range, no command in the file matches the slot's group
// name, command name and code, or the file cannot be written.
bool SaveCommandDefaults(const std::filesystem::path& programDirectory, Prompts& prompts,
                         int groupIndex, int commandIndex, const CommandDictionary& table);

struct CommandSlot {
    int group = 0;   // zero-based group slot
    int command = 0; // zero-based command slot within the group
};

// The script worker's lookup: the first command, in slot order, whose code equals the first
// four characters of the line (a shorter code must be followed by the end of the line).
std::optional<CommandSlot> FindCommandForScriptLine(const CommandDictionary& table,
                                                    std::string_view line);

// The generator's lookup: the first command whose whole code equals the line's first four
// characters, upper-cased.
std::optional<CommandSlot> FindCommandForEditorLine(const CommandDictionary& table,
                                                    std::string_view line);

// False for a table that holds no command: comandos.xml was damaged, or lists none.
bool DictionaryHoldsCommands(const CommandDictionary& table);

inline const CommandEntry& CommandAt(const CommandDictionary& table, CommandSlot slot) {
    return table.groups[slot.group].commands[slot.command];
}

} // namespace morvelan
