#include "core/base/TextTrim.h"

#include <gtest/gtest.h>

namespace morvelan {
namespace {

TEST(TextTrim, TakesOffOnlyTheGivenBlanksAndOnlyWhereAsked) {
    struct Case {
        std::string_view text;
        std::string_view blanks;
        std::string_view bothEnds;
        std::string_view leftOnly;
    };
    const Case cases[] = {
        {" \t a b \r\n", kWhiteSpace, "a b", "a b \r\n"},
        {"\v\f x \f\v", kWhiteSpace, "x", "x \f\v"},
        {"\v x \f", kBlanksAndLineEnds, "\v x \f", "\v x \f"},
        {"\n \v\n", kBlanksAndLineEnds, "\v", "\v\n"},
        {" \tx\t ", " ", "\tx\t", "\tx\t "},
        {" \t\r\n\v\f", kWhiteSpace, "", ""},
        {"", kWhiteSpace, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(trimmed(c.text, c.blanks), c.bothEnds) << c.text;
        EXPECT_EQ(trimmedLeft(c.text, c.blanks), c.leftOnly) << c.text;
    }
}

} // namespace
} // namespace morvelan
