// Windows-1252 is the code page of every text the printer library, the result records and the
// files exchange; the rest of the program holds UTF-8. These two functions are the only place
// where one becomes the other.
#pragma once

#include <string>
#include <string_view>

namespace morvelan {

// UTF-8 to Windows-1252. A character the code page lacks, or a malformed sequence, becomes '?'.
std::string toCp1252(std::string_view utf8);

// Windows-1252 to UTF-8. The five bytes the code page leaves undefined map to the C1 controls of
// the same value, so that every byte survives a round trip.
std::string fromCp1252(std::string_view cp1252);

} // namespace morvelan
