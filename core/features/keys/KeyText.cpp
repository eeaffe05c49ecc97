#include "core/features/keys/KeyText.h"

#include <zlib.h>

#include <cstdio>

namespace morvelan::keys {

std::uint32_t crc32Of(std::span<const std::uint8_t> bytes) {
    uLong crc = crc32(0L, Z_NULL, 0);
    crc = crc32(crc, bytes.data(), static_cast<uInt>(bytes.size()));
    return static_cast<std::uint32_t>(crc);
}

std::string keyText(const WrappedPair& data) {
    char crc[9] = {};
    std::snprintf(crc, sizeof crc, "%08X", static_cast<unsigned>(crc32Of(data)));
    std::string text(crc, 4);
    text.reserve(kKeyTextLength);
    for (std::uint8_t byte : data) {
        char hex[3] = {};
        std::snprintf(hex, sizeof hex, "%2.2X", static_cast<unsigned>(byte));
        text.append(hex, 2);
    }
    text.append(crc + 4, 4);
    return text;
}

} // namespace morvelan::keys
