// Windows-1252 is the code page of every text the printer library, the result records and the
// files exchange; the rest of the program holds UTF-8. These functions are the only place
// where one becomes the other.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morvelan {

// UTF-8 to Windows-1252. A character the code page lacks, or a malformed sequence, becomes '?'.
std::string toCp1252(std::string_view utf8);

// Windows-1252 to UTF-8. The five bytes the code page leaves undefined map to the C1 controls of
// the same value, so that every byte survives a round trip.
std::string fromCp1252(std::string_view cp1252);

// A fixed-width field of `size` bytes, as the library and the records hold their texts, in UTF-8:
// up to its first zero, or up to its end when the library filled it to the brim.
std::string fromCp1252Field(const char* field, std::size_t size);
template <std::size_t N> std::string fromCp1252Field(const char (&field)[N]) {
    return fromCp1252Field(field, N);
}

} // namespace morvelan
