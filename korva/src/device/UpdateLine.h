// The line format of a software update's header and data lines: ":" and pairs of hexadecimal
// digits, at least two bytes, whose sum (the last byte being the checksum) is 0 modulo 256.
#pragma once

#include <string_view>

namespace korva {

bool validUpdateLine(std::string_view line);

} // namespace korva
