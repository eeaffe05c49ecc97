#include "core/scripts/dictionary/DictionaryFile.h"

#include "core/base/AtomicFile.h"
#include "core/base/Cp1252.h"
#include "core/base/Prompts.h"

#include <cstdio>
#include <utility>

namespace morvelan::dictionary {

std::filesystem::path DictionaryPath(const std::filesystem::path& programDirectory) {
    return programDirectory / "comandos.xml";
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& contents) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    contents.clear();
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        contents.append(buffer, got);
    }
    const bool ok = std::ferror(file) == 0;
    std::fclose(file);
    return ok;
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
