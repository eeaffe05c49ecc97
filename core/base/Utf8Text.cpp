#include "core/base/Utf8Text.h"

#include <cstdio>

namespace morvelan {
namespace {

// The length of the valid UTF-8 sequence at `pos`, or 0 when the byte there does not start one.
// Overlong forms, surrogates and code points past U+10FFFF are not valid.
std::size_t sequenceLength(std::string_view text, std::size_t pos) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (pos + length > text.size() || byte(pos + 1) < low || byte(pos + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

} // namespace

std::string validUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        if (const std::size_t length = sequenceLength(text, pos); length > 0) {
            out.append(text.substr(pos, length));
            pos += length;
            continue;
        }
        char escaped[8] = {};
        std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(text[pos]));
        out += escaped;
        ++pos;
    }
    return out;
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = sequenceLength(text, pos);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

} // namespace morvelan
