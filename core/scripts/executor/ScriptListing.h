// What the executor shows when a script is selected: its lines without the blank ones.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace morvelan {

// Each non-empty line of the file (UTF-8) followed by CR LF; nothing when it cannot be opened.
std::optional<std::string> scriptListing(const std::filesystem::path& script);

} // namespace morvelan
