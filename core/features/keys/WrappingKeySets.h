// The private halves of the two wrapping key sets, in Chinese-remainder form, with which the
// program wraps the primes of a printer's signature key. The printer holds only the public
// halves, so a key it accepts can only have come from this program.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace morvelan {

inline constexpr std::size_t kWrappingComponentSize = 64;

using WrappingComponent = std::array<std::uint8_t, kWrappingComponentSize>;

// Each component most significant byte first; qInv is the inverse of q modulo p.
struct WrappingKeySet {
    WrappingComponent p;
    WrappingComponent q;
    WrappingComponent dP; // d mod (p - 1)
    WrappingComponent dQ; // d mod (q - 1)
    WrappingComponent qInv;
};

// The set for third-generation (MKIII) printers, or the one for all the others. Returned by
// value so that the components can be assembled at run time rather than kept whole in memory.
WrappingKeySet wrappingKeySet(bool thirdGeneration);

} // namespace morvelan
