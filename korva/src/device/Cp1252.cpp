#include "Cp1252.h"

#include <array>
#include <cstdint>

namespace korva::cp1252 {
namespace {

// Code points of the bytes 0x80..0x9f; 0 marks a byte without a character.
constexpr std::array<char32_t, 32> kHigh = {
    0x20ac, 0,      0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017d, 0,      0,      0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0,      0x017e, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xc0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3f));
    } else {
        out += static_cast<char>(0xe0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (cp & 0x3f));
    }
}

// Decodes one code point at `i`, advancing it; a malformed sequence yields one byte as U+FFFD.
char32_t nextCodePoint(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<std::uint8_t>(s[i]);
    int extra = 0;
    char32_t cp = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xe0) == 0xc0) {
        extra = 1;
        cp = b0 & 0x1f;
    } else if ((b0 & 0xf0) == 0xe0) {
        extra = 2;
        cp = b0 & 0x0f;
    } else if ((b0 & 0xf8) == 0xf0) {
        extra = 3;
        cp = b0 & 0x07;
    } else {
        ++i;
        return 0xfffd;
    }
    if (i + extra >= s.size()) {
        ++i;
        return 0xfffd;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<std::uint8_t>(s[i + k]);
        if ((b & 0xc0) != 0x80) {
            ++i;
            return 0xfffd;
        }
        cp = (cp << 6) | (b & 0x3f);
    }
    i += extra + 1;
    return cp;
}

} // namespace

std::string toUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto b = static_cast<std::uint8_t>(c);
        if (b >= 0x80 && b < 0xa0) {
            const char32_t cp = kHigh[b - 0x80];
            appendUtf8(out, cp == 0 ? U'?' : cp);
        } else {
            appendUtf8(out, b);
        }
    }
    return out;
}

std::string fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = nextCodePoint(utf8, i);
        if (cp < 0x80 || (cp >= 0xa0 && cp <= 0xff)) {
            out += static_cast<char>(cp);
            continue;
        }
        char mapped = '?';
        for (std::size_t k = 0; k < kHigh.size(); ++k) {
            if (kHigh[k] == cp && cp != 0) {
                mapped = static_cast<char>(0x80 + k);
                break;
            }
        }
        out += mapped;
    }
    return out;
}

std::size_t length(std::string_view utf8) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size(); ++n) {
        nextCodePoint(utf8, i);
    }
    return n;
}

std::string fit(std::string_view utf8, std::size_t width) {
    std::string out;
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size() && n < width; ++n) {
        const std::size_t start = i;
        nextCodePoint(utf8, i);
        out.append(utf8.substr(start, i - start));
    }
    out.append(width - n, ' ');
    return out;
}

} // namespace korva::cp1252
