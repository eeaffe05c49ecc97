#include "KeyText.h"

#include <zlib.h>

#include <optional>

namespace korva::keys {
namespace {

constexpr std::size_t kCrcHalf = 4;

// Upper case only: the program writes the text with "%2.2X", so anything else did not come
// from it.
std::optional<std::uint8_t> hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<std::uint8_t>(c - '0');
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<std::uint8_t>(c - 'A' + 10);
    }
    return std::nullopt;
}

std::optional<std::uint32_t> parseCrc(std::string_view head, std::string_view tail) {
    std::uint32_t crc = 0;
    for (std::string_view half : {head, tail}) {
        for (char c : half) {
            auto digit = hexDigit(c);
            if (!digit) {
                return std::nullopt;
            }
            crc = (crc << 4) | *digit;
        }
    }
    return crc;
}

} // namespace

KeyCheck decodeKeyText(std::string_view text, WrappedData& data) {
    if (text.size() != kKeyTextLength) {
        return KeyCheck::BadFormat;
    }
    auto crc = parseCrc(text.substr(0, kCrcHalf), text.substr(kKeyTextLength - kCrcHalf));
    if (!crc) {
        return KeyCheck::BadFormat;
    }
    std::string_view hex = text.substr(kCrcHalf, 2 * data.size());
    for (std::size_t i = 0; i < data.size(); ++i) {
        auto high = hexDigit(hex[2 * i]);
        auto low = hexDigit(hex[2 * i + 1]);
        if (!high || !low) {
            return KeyCheck::BadFormat;
        }
        data[i] = static_cast<std::uint8_t>((*high << 4) | *low);
    }
    uLong computed = crc32(0L, Z_NULL, 0);
    computed = crc32(computed, data.data(), static_cast<uInt>(data.size()));
    return computed == *crc ? KeyCheck::Ok : KeyCheck::BadCrc;
}

} // namespace korva::keys
