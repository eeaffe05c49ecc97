// Shared pieces of the key tests: a reproducible random source and byte helpers.
#pragma once

#include "core/features/keys/RandomBytes.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace morvelan::keys::test {

// Call k gives byte i = (37 i + 101 k + 11) mod 256: fixed, yet new on every call.
inline RandomSource countingSource() {
    auto calls = std::make_shared<unsigned>(0);
    return [calls](std::span<std::uint8_t> out) {
        for (std::size_t i = 0; i < out.size(); ++i) {
            out[i] = static_cast<std::uint8_t>((37 * i + 101 * *calls + 11) % 256);
        }
        ++*calls;
    };
}

inline std::string hex(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

inline std::vector<std::uint8_t> bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

} // namespace morvelan::keys::test
