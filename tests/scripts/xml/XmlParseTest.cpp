#include "core/scripts/xml/XmlReader.h"

#include <gtest/gtest.h>

#include <string>

namespace morvelan {
namespace {

struct ParseFailure {
    const char* text;
    const char* error;
};

class XmlParseErrors : public ::testing::TestWithParam<ParseFailure> {};

TEST_P(XmlParseErrors, FailWithTheirMessageAndLeaveNoElements) {
    CXmlReader reader;
    EXPECT_FALSE(reader.Parse(GetParam().text));
    EXPECT_EQ(reader.GetErrorText(), GetParam().error);
    EXPECT_FALSE(reader.FindElement());
    EXPECT_FALSE(reader.FindChildElement());
    EXPECT_EQ(reader.GetChildText(), "");
}

INSTANTIATE_TEST_SUITE_P(
    XmlMessages, XmlParseErrors,
    ::testing::Values(ParseFailure{"no markup at all", "Element tag not found"},
                      ParseFailure{"<!-- only a comment -->", "Element tag not found"},
                      ParseFailure{"<   ", "Abrupt end within tag"},
                      ParseFailure{"<A><", "Abrupt end within tag"},
                      ParseFailure{"<\"A\">", "Tag starts with quote"},
                      ParseFailure{"<!-- never closed", "Invalid node"},
                      ParseFailure{"<?xml version='1.0'", "Invalid node"},
                      ParseFailure{"<!", "Invalid node"},
                      ParseFailure{"<A><![CDATA[x]]</A>", "Invalid node"},
                      ParseFailure{"<!DOCTYPE A [ <!ENTITY e 'x'> <A/>", "Invalid node"},
                      ParseFailure{"<A attr='1'", "End of tag not found"},
                      ParseFailure{"<A>text", "End tag of A element not found"},
                      ParseFailure{"<A><B/>text", "End tag of A element not found"},
                      ParseFailure{"<A></B>", "End tag does not correspond to A"},
                      ParseFailure{"<AB></A>", "End tag does not correspond to AB"},
                      ParseFailure{"<A></AB>", "End tag does not correspond to A"},
                      ParseFailure{"<a></A>", "End tag does not correspond to a"},
                      ParseFailure{"<A><B></A></B>", "End tag does not correspond to B"},
                      ParseFailure{"<A></>", "End tag does not correspond to A"},
                      ParseFailure{"<A>x</A", "End tag not completed for element A"},
                      ParseFailure{"<A>x</ A", "End tag not completed for element A"}),
    [](const ::testing::TestParamInfo<ParseFailure>& info) {
        return "Case" + std::to_string(info.index);
    });

TEST(XmlParse, EmptyTextFailsAndKeepsTheEarlierErrorText) {
    CXmlReader reader;
    EXPECT_FALSE(reader.Parse(""));
    EXPECT_EQ(reader.GetErrorText(), "");
    EXPECT_FALSE(reader.Parse(nullptr));
    EXPECT_FALSE(reader.FindElement());

    ASSERT_FALSE(reader.Parse("<A>"));
    const std::string earlier = reader.GetErrorText();
    EXPECT_FALSE(earlier.empty());
    EXPECT_FALSE(reader.Parse(""));
    EXPECT_EQ(reader.GetErrorText(), earlier);
}

TEST(XmlParse, FailedParseDropsThePreviousDocumentsElements) {
    CXmlReader reader;
    ASSERT_TRUE(reader.Parse("<A><B>1</B></A>"));
    ASSERT_TRUE(reader.FindChildElement("B"));
    EXPECT_FALSE(reader.Parse("<A><B>1</B>"));
    EXPECT_FALSE(reader.FindElement("A"));
    EXPECT_EQ(reader.GetChildText(), "");
    EXPECT_FALSE(reader.LeaveElement());
}

TEST(XmlParse, SkipsDeclarationsCommentsAndDoctypeBeforeTheDocumentElement) {
    CXmlReader reader;
    const std::string text = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n"
                             "<!-- a <comment> -->\n"
                             "<!DOCTYPE C [ <!ELEMENT C (#PCDATA)> <!ENTITY e \"]>\"> ]>\n"
                             "<?pi with > inside?>"
                             "<C><!-- inner --><N>1</N><?pi?><N>2</N></C>"
                             "<Trailing>ignored, even unbalanced <X>";
    ASSERT_TRUE(reader.Parse(text)) << reader.GetErrorText();
    ASSERT_TRUE(reader.FindElement("C"));
    ASSERT_TRUE(reader.FindChildElement("N"));
    EXPECT_EQ(reader.GetChildText(), "1");
    ASSERT_TRUE(reader.FindChildElement("N"));
    EXPECT_EQ(reader.GetChildText(), "2");
    EXPECT_FALSE(reader.FindChildElement());
    EXPECT_FALSE(reader.FindElement("Trailing"));
    EXPECT_EQ(reader.GetDocument(), text);
}

TEST(XmlParse, StartTagEndsAtTheFirstGreaterThanEvenInsideAnAttribute) {
    CXmlReader reader;
    // The start tag of A ends inside the attribute; the rest of the value becomes text.
    ASSERT_TRUE(reader.Parse("<R><A v=\"1>2\">t</A></R>"));
    ASSERT_TRUE(reader.FindChildElement("A"));
    EXPECT_EQ(reader.GetChildText(), "2\">t");
}

TEST(XmlParse, AttributesAndSpacesInTagsAreAccepted) {
    CXmlReader reader;
    ASSERT_TRUE(reader.Parse("<R a='1' b=\"x\"><  E  k='v' >v</ E ><F a='/'/></R >"))
        << reader.GetErrorText();
    ASSERT_TRUE(reader.FindChildElement("E"));
    EXPECT_EQ(reader.GetChildText(), "v");
    ASSERT_TRUE(reader.FindChildElement("F"));
    EXPECT_EQ(reader.GetChildText(), "");
}

TEST(XmlParse, QuotedTokensInTheEndTagArePassedOver) {
    CXmlReader reader;
    EXPECT_TRUE(reader.Parse("<A></A 'x' junk>"));
    EXPECT_FALSE(reader.Parse("<A></A '>"));
    EXPECT_EQ(reader.GetErrorText(), "End tag not completed for element A");
}

TEST(XmlParse, TableIsSizedFromTheTextAndGrowsForManyElements) {
    CXmlReader reader;
    std::string text = "<R>";
    for (int i = 0; i < 2000; ++i) {
        text += "<E>" + std::to_string(i) + "</E>";
    }
    text += "</R>";
    ASSERT_TRUE(reader.Parse(text));
    EXPECT_GE(reader.TableCapacity(), text.size() / 64 + 8);
    EXPECT_GT(reader.TableCapacity(), 2001u);
    int count = 0;
    while (reader.FindChildElement("E")) {
        EXPECT_EQ(reader.GetChildText(), std::to_string(count));
        ++count;
    }
    EXPECT_EQ(count, 2000);
}

TEST(XmlParse, DeepNestingFailsCleanlyInsteadOfExhaustingTheStack) {
    CXmlReader reader;
    const int depth = 100000;
    std::string text;
    for (int i = 0; i < depth; ++i) {
        text += "<D>";
    }
    EXPECT_FALSE(reader.Parse(text));
    EXPECT_EQ(reader.GetErrorText(), "Element D nested too deeply");

    std::string allowed;
    for (int i = 0; i < CXmlReader::kMaxDepth; ++i) {
        allowed += "<D>";
    }
    allowed += "x";
    for (int i = 0; i < CXmlReader::kMaxDepth; ++i) {
        allowed += "</D>";
    }
    EXPECT_TRUE(reader.Parse(allowed)) << reader.GetErrorText();
}

TEST(XmlParse, EveryTruncationOfAValidDocumentIsHandled) {
    const std::string text = "<?xml version='1.0'?><!--c--><A x='1'><B>a&amp;b</B>"
                             "<C><![CDATA[<z>]]></C><D/></A>";
    CXmlReader reader;
    for (std::size_t length = 0; length < text.size(); ++length) {
        EXPECT_FALSE(reader.Parse(text.substr(0, length))) << length;
    }
    EXPECT_TRUE(reader.Parse(text));
}

} // namespace
} // namespace morvelan
