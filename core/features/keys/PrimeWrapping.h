// Wrapping one prime for the printer: the 128-byte block [64, the prime, zeros] put through the
// private operation of a wrapping key set, so that only the holder of that set could have made
// it and the printer, holding the public half, can take the prime back out.
#pragma once

#include "core/features/keys/WrappingKeySets.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace morvelan::keys {

inline constexpr std::size_t kWrappedBlockSize = 128;

using WrappedBlock = std::array<std::uint8_t, kWrappedBlockSize>;

// `prime` is 64 bytes, most significant first.
WrappedBlock wrapPrime(std::span<const std::uint8_t, 64> prime, const WrappingKeySet& keys);

// The private operation in Chinese-remainder form on `block` read as a big-endian number:
// m1 = c^dP mod p, m2 = c^dQ mod q, h = qInv × (m1 − m2) mod p, result = m2 + h × q.
WrappedBlock privateOperation(const WrappedBlock& block, const WrappingKeySet& keys);

} // namespace morvelan::keys
