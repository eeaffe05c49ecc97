#include "core/base/Cp1252.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace morvelan {
namespace {

// Code points of the bytes 0x80..0x9F; 0 marks the five undefined bytes.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// What decodeUtf8 answers for bytes that are no UTF-8 sequence: beyond every code point.
constexpr char32_t kMalformed = 0x110000;

char32_t codePointOf(unsigned char byte) {
    if (byte < 0x80 || byte >= 0xA0) {
        return byte;
    }
    const char32_t mapped = kHighControls[byte - 0x80];
    return mapped != 0 ? mapped : byte;
}

char byteOf(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<char>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        const char32_t mapped = kHighControls[i];
        if (mapped == codePoint || (mapped == 0 && codePoint == 0x80 + i)) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence starting at `pos`; advances `pos`. Returns kMalformed when malformed.
char32_t decodeUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    int extra = 0;
    char32_t cp = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, cp = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, cp = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, cp = lead & 0x07, least = 0x10000;
    } else {
        return kMalformed;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
            return kMalformed;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    return cp < least ? kMalformed : cp;
}

std::size_t asciiRunLength(std::string_view text) {
    std::size_t length = 0;
    // Eight bytes at a time while none has its top bit set, which every non-ASCII byte has.
    constexpr std::uint64_t kTopBits = 0x8080808080808080u;
    for (std::uint64_t word = 0; length + sizeof word <= text.size(); length += sizeof word) {
        std::memcpy(&word, text.data() + length, sizeof word);
        if ((word & kTopBits) != 0) {
            break;
        }
    }
    while (length < text.size() && static_cast<unsigned char>(text[length]) < 0x80) {
        ++length;
    }
    return length;
}

// Nearly every text is plain ASCII, the same in both encodings: it is copied a run at a time,
// since every status decoded converts a few hundred bytes of it, and every other character is
// handed to `convertOne`, which appends it and moves `pos` past it.
template <typename ConvertOne>
std::string convertKeepingAscii(std::string_view text, std::size_t expectedSize,
                                ConvertOne convertOne) {
    std::string out;
    out.reserve(expectedSize);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t ascii = asciiRunLength(text.substr(pos));
        out.append(text.substr(pos, ascii));
        pos += ascii;
        if (pos < text.size()) {
            convertOne(out, pos);
        }
    }
    return out;
}

bool isUndefinedControl(char32_t codePoint) {
    return codePoint >= 0x80 && codePoint < 0xA0 && kHighControls[codePoint - 0x80] == 0;
}

} // namespace

StrictCp1252 toCp1252Strict(std::string_view utf8) {
    StrictCp1252 converted;
    converted.bytes.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const char32_t cp = decodeUtf8(utf8, pos);
        const char byte = byteOf(cp);
        if (cp == kMalformed || (byte == '?' && cp != U'?') || isUndefinedControl(cp)) {
            converted.loss = Cp1252Loss{start, std::string(utf8.substr(start, pos - start)), cp,
                                        cp == kMalformed};
            return converted;
        }
        converted.bytes += byte;
    }
    return converted;
}

std::string toCp1252(std::string_view utf8) {
    return convertKeepingAscii(utf8, utf8.size(), [utf8](std::string& out, std::size_t& pos) {
        out += byteOf(decodeUtf8(utf8, pos));
    });
}

std::string fromCp1252(std::string_view cp1252) {
    return convertKeepingAscii(
        cp1252, cp1252.size() + cp1252.size() / 4, [cp1252](std::string& out, std::size_t& pos) {
            appendUtf8(out, codePointOf(static_cast<unsigned char>(cp1252[pos++])));
        });
}

std::string fromCp1252Field(const char* field, std::size_t size) {
    return fromCp1252(std::string_view(field, strnlen(field, size)));
}

} // namespace morvelan
