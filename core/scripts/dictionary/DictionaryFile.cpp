#include "core/scripts/dictionary/DictionaryFile.h"

#include "core/base/AtomicFile.h"
#include "core/base/Prompts.h"

#include <cstdio>
#include <utility>

namespace morvelan::dictionary {

namespace {

// The reader's messages carry element names from the file, which is Windows-1252; prompts
// take UTF-8.
std::string Cp1252ToUtf8(std::string_view text) {
    // Code points of 0x80..0x9F; the five unassigned bytes map to themselves.
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const char16_t code = byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : byte;
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

} // namespace

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
        prompts.message(std::string(), Cp1252ToUtf8(reader.GetErrorText()), PromptIcon::None);
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
