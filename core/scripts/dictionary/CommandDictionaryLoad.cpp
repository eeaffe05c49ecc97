// Reading comandos.xml into the dictionary table. Element order matters: every search goes on
// after the element found before it, so an element out of place is not seen.
#include "core/base/Prompts.h"
#include "core/scripts/dictionary/CommandDictionary.h"
#include "core/scripts/dictionary/DictionaryFile.h"

#include <cstring>
#include <string>

namespace morvelan {

namespace {

using dictionary::FindChildText;

void ReadExtension(CXmlReader& reader, CommandExtension& extension) {
    std::string text;
    if (FindChildText(reader, "VALOR", text)) {
        SetSlotText(extension.code, text);
    }
    if (FindChildText(reader, "DESCRICAO", text)) {
        SetSlotText(extension.description, text);
    }
}

// A field counts only when it has a description; its default must come after it.
bool ReadField(CXmlReader& reader, CommandEntry& command, int field) {
    std::string text;
    if (!FindChildText(reader, "DESCRICAO", text)) {
        return false;
    }
    SetSlotText(command.fieldDescriptions[field], text);
    if (FindChildText(reader, "DEFAULT", text)) {
        SetSlotText(command.fieldDefaults[field], text);
    }
    return true;
}

// The cursor is inside a COMANDO element; the counts stop at each capacity.
void ReadCommand(CXmlReader& reader, CommandEntry& command) {
    std::string text;
    if (FindChildText(reader, "NOME", text)) {
        SetSlotText(command.name, text);
    }
    if (!FindChildText(reader, "NUMERO", text)) {
        return;
    }
    SetSlotText(command.code, text);

    int extensions = 0;
    while (extensions < kMaxExtensions && reader.FindChildElement("EXTENSAO")) {
        reader.EnterElement();
        ReadExtension(reader, command.extensions[extensions]);
        reader.LeaveElement();
        ++extensions;
    }
    command.extensionCount = extensions;

    int fields = 0;
    while (fields < kMaxFields && reader.FindChildElement("CAMPO")) {
        reader.EnterElement();
        if (ReadField(reader, command, fields)) {
            ++fields;
        }
        reader.LeaveElement();
    }
    command.fieldCount = fields;

    int responses = 0;
    while (responses < kMaxResponses && reader.FindChildElement("RETORNO")) {
        reader.EnterElement();
        if (FindChildText(reader, "DESCRICAO", text)) {
            SetSlotText(command.responseDescriptions[responses], text);
            ++responses;
        }
        reader.LeaveElement();
    }
    command.responseCount = responses;
}

// The cursor is on a GRUPO element; its commands are searched after its name.
void ReadGroup(CXmlReader& reader, CommandGroup& group) {
    std::string text;
    if (FindChildText(reader, "NOME", text)) {
        SetSlotText(group.name, text);
    }
    int commands = 0;
    while (commands < kMaxCommandsPerGroup && reader.FindChildElement("COMANDO")) {
        reader.EnterElement();
        ReadCommand(reader, group.commands[commands]);
        reader.LeaveElement();
        ++commands;
    }
}

} // namespace

bool LoadCommandDictionary(const std::filesystem::path& programDirectory, Prompts& prompts,
                           CommandDictionary& table) {
    std::memset(static_cast<void*>(&table), 0, sizeof table);
    const std::filesystem::path path = dictionary::DictionaryPath(programDirectory);
    FileFault fault;
    std::optional<std::string> text =
        readWholeFile(path.string(), dictionary::kDictionaryBound, &fault);
    if (!text) {
        if (const auto refusal = dictionary::DictionaryRefusal(path, fault)) {
            prompts.message(kErrorTitle, *refusal, PromptIcon::Error);
        }
        return false;
    }
    CXmlReader reader;
    dictionary::ParseShowingErrors(reader, std::move(*text), prompts);
    if (!reader.FindElement("COMANDOS") || !reader.EnterElement()) {
        return true;
    }
    for (int group = 0; group < kMaxGroups && reader.FindElement("GRUPO"); ++group) {
        ReadGroup(reader, table.groups[group]);
    }
    return true;
}

} // namespace morvelan
