// The two primes of a printer's signature key, as the buffers they travel in, and the digest
// by which the history recognises a pair already generated.
#pragma once

#include "core/features/keys/Digests.h"
#include "core/features/keys/RandomBytes.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace morvelan::keys {

inline constexpr std::size_t kPrimeSize = 64;        // 512 bits
inline constexpr std::size_t kPrimeBufferSize = 256; // the prime first, then zeros
inline constexpr unsigned long kKeyExponent = 65537;

using PrimeBuffer = std::array<std::uint8_t, kPrimeBufferSize>;

// Both primes lie in [3 × 2^510, 2^512 − 1], differ, and have p − 1 prime to 65537; `first`
// holds the smaller. Each buffer holds its prime most significant byte first, then zeros.
struct PrimePair {
    PrimeBuffer first{};
    PrimeBuffer second{};
};

// Throws std::runtime_error when the source keeps giving back the first prime.
PrimePair generatePrimePair(const RandomSource& random);

// SHA-1 of the first buffer followed by the second (512 bytes).
Sha1Digest pairDigest(const PrimePair& pair);

// Overwrites both buffers.
void clearPair(PrimePair& pair);

} // namespace morvelan::keys
