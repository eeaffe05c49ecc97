// The key text handed to the printer: the first four digits of the CRC-32 of the two wrapped
// primes, the 256 wrapped bytes as 512 upper-case hexadecimal digits, the last four CRC digits.
#pragma once

#include "core/features/keys/PrimeWrapping.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace morvelan::keys {

inline constexpr std::size_t kKeyTextLength = 520;

using WrappedPair = std::array<std::uint8_t, 2 * kWrappedBlockSize>;

// CRC-32 as zlib and Ethernet compute it (reflected, all ones in, complemented out).
std::uint32_t crc32Of(std::span<const std::uint8_t> bytes);

// 520 characters; c_str() gives the terminating zero the library reads up to.
std::string keyText(const WrappedPair& data);

} // namespace morvelan::keys
