// Writing one command's defaults back into comandos.xml. The file is walked exactly the way it
// is loaded, so that the k-th default of the table lands in the CAMPO it was read from.
#include "core/scripts/dictionary/CommandDictionary.h"
#include "core/scripts/dictionary/DictionaryFile.h"

#include <algorithm>
#include <string>

namespace morvelan {

namespace {

using dictionary::FindChildText;

bool SameAsSlot(std::string_view fileText, std::string_view slotText, std::size_t slotSize) {
    // The table holds file texts cut to their slots; compare them cut the same way.
    return fileText.substr(0, slotSize - 1) == slotText;
}

// The cursor is inside the matching COMANDO, positioned after NUMERO.
void WriteDefaults(CXmlReader& reader, const CommandEntry& command) {
    for (int extension = 0; extension < kMaxExtensions; ++extension) {
        if (!reader.FindChildElement("EXTENSAO")) {
            break;
        }
    }
    const int fields = std::clamp<int>(command.fieldCount, 0, kMaxFields);
    int field = 0;
    while (field < fields && reader.FindChildElement("CAMPO")) {
        reader.EnterElement();
        if (reader.FindChildElement("DESCRICAO")) {
            // A field without DEFAULT keeps its place in the count: the value typed for it has
            // nowhere to go, and the next value still belongs to the next field.
            if (reader.FindChildElement("DEFAULT")) {
                reader.SetChildText(SlotText(command.fieldDefaults[field]));
            }
            ++field;
        }
        reader.LeaveElement();
    }
}

// The cursor is on a GRUPO whose name matched; true when the command was found and written.
bool FindAndWriteCommand(CXmlReader& reader, const CommandEntry& command) {
    std::string name;
    std::string code;
    while (reader.FindChildElement("COMANDO")) {
        reader.EnterElement();
        FindChildText(reader, "NOME", name);
        const bool hasCode = FindChildText(reader, "NUMERO", code);
        if (SameAsSlot(name, SlotText(command.name), kTextSlot) &&
            SameAsSlot(code, SlotText(command.code), kCodeSlot)) {
            if (hasCode) {
                WriteDefaults(reader, command);
            }
            reader.LeaveElement();
            return true;
        }
        reader.LeaveElement();
    }
    return false;
}

} // namespace

bool SaveCommandDefaults(const std::filesystem::path& programDirectory, Prompts& prompts,
                         int groupIndex, int commandIndex, const CommandDictionary& table) {
    if (groupIndex < 0 || groupIndex >= kMaxGroups || commandIndex < 0 ||
        commandIndex >= kMaxCommandsPerGroup) {
        return false;
    }
    const std::filesystem::path path = dictionary::DictionaryPath(programDirectory);
    std::optional<std::string> text = readWholeFile(path.string(), dictionary::kDictionaryBound);
    if (!text) {
        return false;
    }
    CXmlReader reader;
    dictionary::ParseShowingErrors(reader, std::move(*text), prompts);
    if (!reader.FindElement("COMANDOS") || !reader.EnterElement()) {
        return false;
    }
    const CommandGroup& group = table.groups[groupIndex];
    std::string name;
    while (reader.FindElement("GRUPO")) {
        FindChildText(reader, "NOME", name);
        if (SameAsSlot(name, SlotText(group.name), kTextSlot) &&
            FindAndWriteCommand(reader, group.commands[commandIndex])) {
            return dictionary::WriteFileAtomically(path, reader.GetDocument());
        }
    }
    return false;
}

} // namespace morvelan
