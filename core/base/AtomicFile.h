// Atomic replacement: a file is written beside its target under a temporary name, flushed to disk
// and renamed over the target, so a crash or a full disk never leaves half a file behind.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace morvelan {

// Why `path` must not be replaced, as the technician reads it: something is there that is no
// regular file (a folder, a device, a FIFO), a link being followed. Nothing when it may be.
std::optional<std::string> replacementRefusal(const std::string& path);

// Replaces `path` by `bytes`. False, with `path` untouched, when any step fails or
// replacementRefusal() refuses it. A link is followed, so the file it points to is replaced and
// the link stays; the file keeps its permissions.
bool replaceFileAtomically(const std::string& path, std::span<const char> bytes);

// Writes all of `bytes` to the open descriptor, through short writes and interruptions. False
// when the descriptor takes no more.
bool writeAll(int fd, std::span<const char> bytes);

} // namespace morvelan
