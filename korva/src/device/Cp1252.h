// Texts cross the library's boundary in Windows-1252 and live inside the device (state file,
// catalogue) in UTF-8. These two functions are the only place that converts between them.
#pragma once

#include <string>
#include <string_view>

namespace korva::cp1252 {

// Characters that Windows-1252 cannot hold become "?".
std::string fromUtf8(std::string_view utf8);
// Bytes without a character (0x81, 0x8d, 0x8f, 0x90, 0x9d) become "?".
std::string toUtf8(std::string_view text);

// Number of characters (code points) of a UTF-8 text; malformed bytes count one each.
std::size_t length(std::string_view utf8);
// `utf8` cut or padded with blanks to exactly `width` characters.
std::string fit(std::string_view utf8, std::size_t width);

} // namespace korva::cp1252
