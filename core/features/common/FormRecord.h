// A form's data record: the request data it hands to the engine, a fixed number of zero-filled
// bytes whose texts are Windows-1252 in fixed-width slots. These helpers move texts between the
// record and the UTF-8 the widgets hold; every access stays inside the record.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace morvelan {

using FormRecord = std::vector<char>;

// The text of the slot of `width` bytes at `offset`, up to its zero (at most width - 1 bytes).
std::string recordText(std::span<const char> record, std::size_t offset, std::size_t width);

// The `count` bytes at `offset` as text, for slots the printer fills to the last byte without a
// terminating zero; stops early at a zero.
std::string recordChars(std::span<const char> record, std::size_t offset, std::size_t count);

// Zero-fills the slot and writes `utf8` into it, cut to width - 1 bytes so that the slot keeps its
// terminating zero.
void putRecordText(std::span<char> record, std::size_t offset, std::size_t width,
                   std::string_view utf8);

} // namespace morvelan
