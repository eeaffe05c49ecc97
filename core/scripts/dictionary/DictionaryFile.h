// File and XML plumbing shared by loading and saving comandos.xml.
#pragma once

#include "core/base/RegularFile.h"
#include "core/scripts/xml/XmlReader.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace morvelan {

class Prompts;

namespace dictionary {

// The dictionary delivered is some 33 KB; one of megabytes is not a dictionary.
inline constexpr FileBound kDictionaryBound{"um dicionário de comandos", 16u * 1024u * 1024u};

std::filesystem::path DictionaryPath(const std::filesystem::path& programDirectory);

// What the technician is told when the dictionary at `path` cannot be read for `fault`; nothing
// when it is only missing, which is no fault: the answers are then left unnamed.
std::optional<std::string> DictionaryRefusal(const std::filesystem::path& path,
                                             const FileFault& fault);

// Writes a temporary file beside `path` and renames it over `path`, so that a crash leaves
// either the old or the new file, never half of one.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view contents);

// Parses the file's text; on failure shows the reader's message in a plain box and goes on.
void ParseShowingErrors(CXmlReader& reader, std::string text, Prompts& prompts);

// Finds the next child element of that name; `text` becomes its text, or empty if none.
bool FindChildText(CXmlReader& reader, const char* name, std::string& text);

} // namespace dictionary
} // namespace morvelan
