// The key text handed to the printer: four CRC digits, the two wrapped primes in hexadecimal,
// the other four CRC digits. Splitting the CRC around the data means neither end of a cut or
// padded text can pass for a whole one.
#pragma once

#include "SignatureKeys.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace korva::keys {

inline constexpr std::size_t kKeyTextLength = 520;
inline constexpr std::size_t kWrappedBlockSize = 128;

using WrappedData = std::array<std::uint8_t, 2 * kWrappedBlockSize>;

// Ok with the wrapped data filled in, BadFormat or BadCrc.
KeyCheck decodeKeyText(std::string_view text, WrappedData& data);

} // namespace korva::keys
