// The public halves of the two wrapping key sets. The printer only ever unwraps a loaded key, so
// it holds nothing that could wrap one: the private halves stay with the program.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace korva::keys {

inline constexpr std::size_t kWrappingModulusSize = 128; // 1024 bits

struct WrappingPublicKey {
    std::array<std::uint8_t, kWrappingModulusSize> modulus; // most significant byte first
    std::array<std::uint8_t, 3> exponent;                   // 65537, most significant byte first
};

// The set for third-generation (MKIII) printers, or the one for all the others.
const WrappingPublicKey& wrappingPublicKey(bool thirdGeneration);

} // namespace korva::keys
