// Texts that come from outside as bytes (a file name, a path typed at a terminal) and go where
// UTF-8 is promised: the service history, its exports.
#pragma once

#include <string>
#include <string_view>

namespace morvelan {

// `text` when it is valid UTF-8; otherwise each byte that does not belong to a valid sequence is
// written as "\xNN", so the result is valid UTF-8 and still tells which bytes the name held.
std::string validUtf8(std::string_view text);

// Whether every byte of `text` belongs to a valid UTF-8 sequence (what validUtf8 keeps as it is).
bool isValidUtf8(std::string_view text);

} // namespace morvelan
