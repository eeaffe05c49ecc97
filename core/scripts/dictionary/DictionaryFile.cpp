#include "core/scripts/dictionary/DictionaryFile.h"

#include "core/base/AtomicFile.h"
#include "core/base/Cp1252.h"
#include "core/base/Prompts.h"

#include <utility>

namespace morvelan::dictionary {

std::filesystem::path DictionaryPath(const std::filesystem::path& programDirectory) {
    return programDirectory / "comandos.xml";
}

std::optional<std::string> DictionaryRefusal(const std::filesystem::path& path,
                                             const FileFault& fault) {
    if (fault.refusal == FileRefusal::Missing) {
        return std::nullopt;
    }
    return "O dicionário de comandos " + path.string() + " não pode ser lido: " + fault.text + ".";
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view contents) {
    return replaceFileAtomically(path.string(), contents);
}

void ParseShowingErrors(CXmlReader& reader, std::string text, Prompts& prompts) {
    if (!reader.Parse(std::move(text))) {
        // The message quotes element names from the file, which is Windows-1252.
        prompts.message(std::string(), fromCp1252(reader.GetErrorText()), PromptIcon::None);
    }
}

bool FindChildText(CXmlReader& reader, const char* name, std::string& text) {
    if (!reader.FindChildElement(name)) {
        text.clear();
        return false;
    }
    text = reader.GetChildText();
    return true;
}

} // namespace morvelan::dictionary
