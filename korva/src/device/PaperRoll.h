// The paper roll of the virtual printer: every document it prints, one after the other, in a
// UTF-8 text file beside the state file, so that a technician in training (and a test) can see
// what a real printer would have printed. A document is added whole or not at all.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace korva::paper {

// "<state file without its extension>.paper-roll.txt" in the state file's directory.
std::filesystem::path rollPath(const std::filesystem::path& statePath);

// Appends one document (ending in the cut line) by writing the whole roll anew to a temporary
// file and renaming it over the old one. Throws std::runtime_error when it cannot.
void append(const std::filesystem::path& roll, const std::string& document);

// The documents on the roll, oldest first; a text after the last cut line counts as one more.
std::vector<std::string> documents(const std::filesystem::path& roll);

// Empties the roll.
void clear(const std::filesystem::path& roll);

} // namespace korva::paper
