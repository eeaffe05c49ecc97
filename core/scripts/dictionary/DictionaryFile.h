// File and XML plumbing shared by loading and saving comandos.xml.
#pragma once

#include "core/scripts/xml/XmlReader.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace morvelan {

class Prompts;

namespace dictionary {

std::filesystem::path DictionaryPath(const std::filesystem::path& programDirectory);

// Reads the whole file as bytes; false when it cannot be opened or read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& contents);

// Writes a temporary file beside `path` and renames it over `path`, so that a crash leaves
// either the old or the new file, never half of one.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view contents);

// Parses the file's text; on failure shows the reader's message in a plain box and goes on.
void ParseShowingErrors(CXmlReader& reader, std::string text, Prompts& prompts);

// Finds the next child element of that name; `text` becomes its text, or empty if none.
bool FindChildText(CXmlReader& reader, const char* name, std::string& text);

} // namespace dictionary
} // namespace morvelan
