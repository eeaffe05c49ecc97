// Where a prime search starts: 256 random bytes, the first fifteen 16-byte blocks replaced by
// their MD5 digests. The bytes come from an injected source; the program's own is the operating
// system's cryptographic generator, so that no one can rebuild a printer's primes from the time
// its keys were made.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace morvelan::keys {

inline constexpr std::size_t kRandomBlockSize = 256;
inline constexpr std::size_t kMd5BlockSize = 16;
inline constexpr std::size_t kHashedBlocks = 15;

using RandomBlock = std::array<std::uint8_t, kRandomBlockSize>;

// Fills the span with random bytes; throws when it cannot.
using RandomSource = std::function<void(std::span<std::uint8_t> out)>;

// OpenSSL's RAND_bytes; throws std::runtime_error when the generator fails.
RandomSource systemRandomSource();

// Replaces each of the first fifteen 16-byte blocks by its MD5 digest; the last stays.
void hashRandomBlocks(RandomBlock& block);

// 256 bytes from `random`, then hashRandomBlocks.
RandomBlock searchStart(const RandomSource& random);

} // namespace morvelan::keys
