#include "core/base/Cp1252.h"

#include <gtest/gtest.h>

namespace morvelan {
namespace {

TEST(EngineCp1252, PortugueseTextBecomesSingleBytes) {
    EXPECT_EQ(toCp1252("Configuração"), "Configura\xE7\xE3o");
    EXPECT_EQ(toCp1252("Seqüência"), "Seq\xFC\xEAncia");
    EXPECT_EQ(toCp1252("€ – “x” …"), "\x80 \x96 \x93x\x94 \x85");
    EXPECT_EQ(fromCp1252("Configura\xE7\xE3o"), "Configuração");
    EXPECT_EQ(fromCp1252("\x80\x8A\x9F"), "€ŠŸ");
}

TEST(EngineCp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
}

TEST(EngineCp1252, UnmappableAndMalformedInputBecomeQuestionMarks) {
    EXPECT_EQ(toCp1252("a\xE2\x82"), "a?");         // truncated sequence
    EXPECT_EQ(toCp1252("\xC0\xAF"), "?");           // overlong encoding
    EXPECT_EQ(toCp1252("日本"), "??");              // outside the code page
    EXPECT_EQ(toCp1252("\xF0\x9F\x98\x80!"), "?!"); // four-byte sequence
    EXPECT_EQ(toCp1252(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(EngineCp1252, StrictConversionNamesTheFirstCharacterItCannotCarry) {
    struct Case {
        std::string utf8;
        std::string bytes;     // when nothing is lost
        std::size_t offset;    // of the loss
        std::string character; // empty when nothing is lost
        char32_t codePoint;
        bool malformed;
    };
    const Case cases[] = {
        {"JOSÉ € “x”", "JOS\xC9 \x80 \x93x\x94", 0, "", 0, false},
        {"JOSÉ 😀 日", "", 6, "😀", 0x1F600, false},
        {"a\xC2\x81", "", 1, "\xC2\x81", 0x81, false}, // a byte the code page leaves undefined
        {"a\xC2\x80", "", 1, "\xC2\x80", 0x80, false}, // a control it has no byte for
        {"JOS\xC9 ", "", 3, "\xC9", 0, true},          // Latin-1, not UTF-8
        {"a\xE2\x82", "", 1, "\xE2\x82", 0, true},     // truncated sequence
        {"?", "?", 0, "", 0, false},
    };
    for (const Case& c : cases) {
        const StrictCp1252 converted = toCp1252Strict(c.utf8);
        ASSERT_EQ(converted.loss.has_value(), !c.character.empty()) << c.utf8;
        if (!converted.loss) {
            EXPECT_EQ(converted.bytes, c.bytes);
            EXPECT_EQ(toCp1252(c.utf8), c.bytes) << "both conversions agree on what fits";
            continue;
        }
        EXPECT_EQ(converted.loss->offset, c.offset) << c.utf8;
        EXPECT_EQ(converted.loss->character, c.character) << c.utf8;
        EXPECT_EQ(converted.loss->malformed, c.malformed) << c.utf8;
        if (!c.malformed) {
            EXPECT_EQ(converted.loss->codePoint, c.codePoint) << c.utf8;
        }
    }
}

TEST(EngineCp1252, FieldStopsAtItsFirstZeroOrItsWidth) {
    struct Case {
        std::string bytes; // the field and what follows it in memory
        std::size_t width;
        std::string utf8;
    };
    const Case cases[] = {
        {std::string("AB\0\0", 4), 4, "AB"},
        {std::string("\0\0\0", 3), 3, ""},
        {"ABCDEF", 4, "ABCD"}, // no terminating zero: never runs into the next field
        {std::string("A\0B\0", 4), 4, "A"},
        {std::string("\xE7\xE3o\x80\x81\0", 6), 6, "ção€\xC2\x81"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fromCp1252Field(c.bytes.data(), c.width), c.utf8) << c.bytes;
    }
    const char full[4] = {'W', 'X', 'Y', 'Z'};
    EXPECT_EQ(fromCp1252Field(full), "WXYZ"); // an array's last byte is text too
}

} // namespace
} // namespace morvelan
