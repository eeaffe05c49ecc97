// The virtual printer's files (its state and its paper roll) are replaced whole: written beside
// the target under this process's temporary name, flushed, renamed over it, so a crash or a
// switched-off PC leaves the old or the new file, never half of one.
#pragma once

#include <filesystem>
#include <string_view>

namespace korva {

// Replaces `target` by `text`. Throws std::runtime_error, leaving `target` as it was, when any
// step fails. The temporary files that killed writers left beside `target` are removed.
void replaceFile(const std::filesystem::path& target, std::string_view text);

} // namespace korva
