// Where a prime search starts: 256 random bytes, the first fifteen 16-byte blocks replaced by
// their MD5 digests.
#pragma once

#include "core/features/keys/RandomSource.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace morvelan::keys {

inline constexpr std::size_t kRandomBlockSize = 256;
inline constexpr std::size_t kMd5BlockSize = 16;
inline constexpr std::size_t kHashedBlocks = 15;

using RandomBlock = std::array<std::uint8_t, kRandomBlockSize>;

// Replaces each of the first fifteen 16-byte blocks by its MD5 digest; the last stays.
void hashRandomBlocks(RandomBlock& block);

// 256 bytes from `random`, then hashRandomBlocks.
RandomBlock searchStart(const RandomSource& random);

} // namespace morvelan::keys
