// Windows-1252 is the code page of every text the printer library, the result records and the
// files exchange; the rest of the program holds UTF-8. These functions are the only place
// where one becomes the other.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace morvelan {

// UTF-8 to Windows-1252. A character the code page lacks, or a malformed sequence, becomes '?'.
std::string toCp1252(std::string_view utf8);

// The first character of a UTF-8 text that Windows-1252 cannot carry.
struct Cp1252Loss {
    std::size_t offset = 0; // where it starts in the text
    std::string character;  // its bytes as they stand in the text
    char32_t codePoint = 0; // meaningless when malformed
    bool malformed = false; // the bytes are no UTF-8 sequence at all
};

// UTF-8 to Windows-1252 without losing a character: the bytes, or the first character the code
// page lacks. Text the technician wrote must reach the printer as written, so the five bytes the
// code page leaves undefined count as lacking here, although the lossy conversion keeps them
// for the round trip of bytes that came from a record or a file.
struct StrictCp1252 {
    std::string bytes; // complete only when nothing was lost
    std::optional<Cp1252Loss> loss;
};
StrictCp1252 toCp1252Strict(std::string_view utf8);

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
