// Trimming of the texts the technician types and of the fields the printer pads. Header only, so
// that every layer trims the same way without linking anything for it.
#pragma once

#include <string>
#include <string_view>

namespace morvelan {

// The white space of the "C" locale.
inline constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
// Blanks and line ends only: the settings and the response panel trim no more than these, so a
// vertical tab or a form feed at the edge of a printer's text stays part of what they show and
// compare.
inline constexpr std::string_view kBlanksAndLineEnds = " \t\r\n";

// `text` without any of `blanks` at either end.
inline std::string trimmed(std::string_view text, std::string_view blanks = kWhiteSpace) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(blanks) - first + 1));
}

// `text` without any of `blanks` at its start; the end is kept as it came.
inline std::string trimmedLeft(std::string_view text, std::string_view blanks = kWhiteSpace) {
    const std::size_t first = text.find_first_not_of(blanks);
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

} // namespace morvelan
