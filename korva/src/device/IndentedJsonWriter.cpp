#include "IndentedJsonWriter.h"

#include <nlohmann/json.hpp>

#include <array>

namespace korva {
namespace {

std::string hexByte(unsigned char byte) {
    constexpr std::string_view digits = "0123456789ABCDEF";
    return {digits[byte / 16], digits[byte % 16]};
}

// The end of the UTF-8 sequence that starts at `pos` with a byte past ASCII. Overlong forms,
// surrogates and code points past U+10FFFF are refused with the library's own error and words,
// naming the first byte that cannot belong to the sequence.
std::size_t sequenceEnd(std::string_view text, std::size_t pos) {
    const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto refuse = [&](std::size_t at) {
        return nlohmann::json::type_error::create(
            316, "invalid UTF-8 byte at index " + std::to_string(at) + ": 0x" + hexByte(byte(at)),
            nullptr);
    };
    const unsigned char lead = byte(pos);
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
        throw refuse(pos);
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (pos + i == text.size()) {
            throw nlohmann::json::type_error::create(
                316, "incomplete UTF-8 string; last byte: 0x" + hexByte(byte(text.size() - 1)),
                nullptr);
        }
        const unsigned char next = byte(pos + i);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) {
            throw refuse(pos + i);
        }
    }
    return pos + length;
}

// The escape the library writes for a byte that cannot stand in a JSON string as it is.
void appendEscape(std::string& out, unsigned char byte) {
    switch (byte) {
    case '"':
        out += "\\\"";
        return;
    case '\\':
        out += "\\\\";
        return;
    case '\b':
        out += "\\b";
        return;
    case '\t':
        out += "\\t";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\f':
        out += "\\f";
        return;
    case '\r':
        out += "\\r";
        return;
    default:
        constexpr std::string_view digits = "0123456789abcdef";
        out += "\\u00";
        out += digits[byte / 16];
        out += digits[byte % 16];
    }
}

// The ASCII bytes a JSON string holds unescaped.
constexpr auto kStandsAsItIs = [] {
    std::array<bool, 256> table{};
    for (int byte = 0x20; byte < 0x80; ++byte) {
        table[static_cast<std::size_t>(byte)] = byte != '"' && byte != '\\';
    }
    return table;
}();

} // namespace

IndentedJsonWriter& IndentedJsonWriter::key(std::string_view name) {
    startValue();
    quoted(name);
    out_ += ": ";
    afterKey_ = true;
    return *this;
}

void IndentedJsonWriter::string(std::string_view text) {
    startValue();
    quoted(text);
}

void IndentedJsonWriter::startValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (depth_ == 0) {
        return;
    }
    if (!empty_) {
        out_ += ',';
    }
    newLine(depth_);
    empty_ = false;
}

void IndentedJsonWriter::open(char bracket) {
    startValue();
    out_ += bracket;
    ++depth_;
    empty_ = true;
}

void IndentedJsonWriter::close(char bracket) {
    --depth_;
    if (!empty_) {
        newLine(depth_);
    }
    out_ += bracket;
    empty_ = false;
}

void IndentedJsonWriter::newLine(int depth) {
    out_ += '\n';
    out_.append(static_cast<std::size_t>(2 * depth), ' ');
}

void IndentedJsonWriter::quoted(std::string_view text) {
    out_ += '"';
    std::size_t copied = 0; // bytes of `text` up to here are in out_ already
    std::size_t i = 0;
    while (true) {
        // Most of a state file is names and digits: one look-up a byte finds where a run of
        // characters that stand as they are ends.
        while (i < text.size() && kStandsAsItIs[static_cast<unsigned char>(text[i])]) {
            ++i;
        }
        if (i == text.size()) {
            break;
        }
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x80) {
            i = sequenceEnd(text, i);
        } else {
            out_.append(text, copied, i - copied);
            appendEscape(out_, byte);
            copied = ++i;
        }
    }
    out_.append(text, copied);
    out_ += '"';
}

} // namespace korva
