#include "core/scripts/xml/XmlReader.h"

#include <gtest/gtest.h>

#include <string>

namespace morvelan {
namespace {

std::string TextOf(const char* document, const char* element) {
    CXmlReader reader;
    EXPECT_TRUE(reader.Parse(document)) << reader.GetErrorText();
    EXPECT_TRUE(reader.FindChildElement(element));
    return reader.GetChildText();
}

TEST(XmlText, DecodesTheFiveEntitiesAndCopiesEveryOtherAmpersand) {
    EXPECT_EQ(TextOf("<R><A>6&gt;7 &amp; &#65; &foo;</A></R>", "A"), "6>7 & &#65; &foo;");
    EXPECT_EQ(TextOf("<R><A>&lt;&apos;&quot;&amp;lt;</A></R>", "A"), "<'\"&lt;");
    // An entity code is only accepted when it ends inside the element's text.
    EXPECT_EQ(TextOf("<R><A>x&amp</A></R>", "A"), "x&amp");
    EXPECT_EQ(TextOf("<R><A>&</A></R>", "A"), "&");
    EXPECT_EQ(TextOf("<R><A>  keeps  spaces\r\n</A></R>", "A"), "  keeps  spaces\r\n");
}

TEST(XmlText, CdataIsReadRawWithoutSurroundingBlanksOrTrailingText) {
    EXPECT_EQ(TextOf("<R><A>  <![CDATA[a<b&c]]>  </A></R>", "A"), "a<b&c");
    EXPECT_EQ(TextOf("<R><A><![CDATA[&amp;]]>tail</A></R>", "A"), "&amp;");
    EXPECT_EQ(TextOf("<R><A><![CDATA[]]></A></R>", "A"), "");
    // Too short to hold a section after the opening sequence: read as ordinary text.
    EXPECT_EQ(TextOf("<R><A>x<![CDATA[y]]></A></R>", "A"), "x<![CDATA[y]]>");
}

TEST(XmlText, EmptyElementsAndElementsWithChildrenHaveNoText) {
    EXPECT_EQ(TextOf("<R><A/></R>", "A"), "");
    EXPECT_EQ(TextOf("<R><A></A></R>", "A"), "");
    EXPECT_EQ(TextOf("<R><A>text<B>inner</B>more</A></R>", "A"), "");
    CXmlReader reader;
    ASSERT_TRUE(reader.Parse("<R>x</R>"));
    EXPECT_EQ(reader.GetChildText(), "");
}

TEST(XmlCursor, FindElementWalksSiblingsAndMatchesNamesExactly) {
    CXmlReader reader;
    ASSERT_TRUE(reader.Parse("<GRUPO><G>1</G><GRUPO2/><G x='y'>2</G></GRUPO>"));
    EXPECT_FALSE(reader.FindElement("grupo"));
    EXPECT_FALSE(reader.FindElement("GRUP"));
    ASSERT_TRUE(reader.FindElement("GRUPO"));
    EXPECT_FALSE(reader.FindElement("GRUPO"));
    ASSERT_TRUE(reader.EnterElement());
    ASSERT_TRUE(reader.FindElement("G"));
    ASSERT_TRUE(reader.FindElement("G"));
    EXPECT_FALSE(reader.FindElement("G"));
    // The requested name may carry a suffix after a space, '=', '/' or '['.
    ASSERT_TRUE(reader.Parse(reader.GetDocument()));
    ASSERT_TRUE(reader.FindElement("GRUPO"));
    ASSERT_TRUE(reader.EnterElement());
    EXPECT_TRUE(reader.FindElement("G[2]"));
    EXPECT_TRUE(reader.FindElement("GRUPO2/x"));
    EXPECT_FALSE(reader.FindElement("Gx"));
}

TEST(XmlCursor, FreshCursorLandsOnTheDocumentElementForChildSearches) {
    CXmlReader reader;
    ASSERT_TRUE(reader.Parse("<C><A>1</A><B>2</B><A>3</A></C>"));
    ASSERT_TRUE(reader.FindChildElement("B"));
    EXPECT_EQ(reader.GetChildText(), "2");
    ASSERT_TRUE(reader.FindChildElement("A"));
    EXPECT_EQ(reader.GetChildText(), "3");
    EXPECT_FALSE(reader.FindChildElement("A"));
    EXPECT_EQ(reader.GetChildText(), "3") << "a failed search must leave the child position";
    EXPECT_FALSE(reader.FindChildElement());
}

TEST(XmlCursor, EnterAndLeaveMoveOneLevelAndRefuseAtTheEdges) {
    CXmlReader reader;
    ASSERT_TRUE(reader.Parse("<C><G><N>g1</N><K><N>k1</N></K></G><G><N>g2</N></G></C>"));
    EXPECT_FALSE(reader.EnterElement()) << "no current element yet";
    EXPECT_FALSE(reader.LeaveElement());
    ASSERT_TRUE(reader.FindElement("C"));
    ASSERT_TRUE(reader.EnterElement());
    ASSERT_TRUE(reader.FindElement("G"));
    ASSERT_TRUE(reader.FindChildElement("K"));
    ASSERT_TRUE(reader.EnterElement());
    ASSERT_TRUE(reader.FindChildElement("N"));
    EXPECT_EQ(reader.GetChildText(), "k1");
    ASSERT_TRUE(reader.LeaveElement());
    EXPECT_EQ(reader.GetChildText(), "") << "the child position is now K, which has children";
    ASSERT_TRUE(reader.LeaveElement());
    // Back at C with the first G as the child position: the next G is the second one.
    ASSERT_TRUE(reader.FindChildElement("G"));
    ASSERT_TRUE(reader.EnterElement());
    ASSERT_TRUE(reader.FindChildElement("N"));
    EXPECT_EQ(reader.GetChildText(), "g2");
    ASSERT_TRUE(reader.LeaveElement());
    EXPECT_FALSE(reader.LeaveElement());
    EXPECT_FALSE(reader.FindElement("G")) << "C has no siblings";
}

TEST(XmlCursor, EnteringWithoutAChildPositionLeavesNoCurrentElement) {
    CXmlReader reader;
    ASSERT_TRUE(reader.Parse("<C><A>1</A><A>2</A></C>"));
    ASSERT_TRUE(reader.FindElement());
    ASSERT_TRUE(reader.EnterElement());
    // No current element: the search starts at the first child of C.
    ASSERT_TRUE(reader.FindElement("A"));
    ASSERT_TRUE(reader.FindElement("A"));
    ASSERT_TRUE(reader.EnterElement());
    EXPECT_FALSE(reader.EnterElement());
    EXPECT_FALSE(reader.FindElement());
}

TEST(XmlSetText, EscapesAndKeepsEveryLaterElementReadable) {
    CXmlReader reader;
    ASSERT_TRUE(reader.Parse("<R><P><A>old</A><B>b&amp;</B></P><Q><C>c</C></Q><D/></R>"));
    ASSERT_TRUE(reader.FindChildElement("P"));
    ASSERT_TRUE(reader.EnterElement());
    ASSERT_TRUE(reader.FindChildElement("A"));
    EXPECT_TRUE(reader.SetChildText("a<b & 'q' \"z\" > long"));
    EXPECT_EQ(reader.GetDocument(), "<R><P><A>a&lt;b &amp; &apos;q&apos; &quot;z&quot; &gt; "
                                    "long</A><B>b&amp;</B></P><Q><C>c</C></Q><D/></R>");
    EXPECT_EQ(reader.GetChildText(), "a<b & 'q' \"z\" > long");
    ASSERT_TRUE(reader.FindChildElement("B"));
    EXPECT_EQ(reader.GetChildText(), "b&");
    EXPECT_TRUE(reader.SetChildText(""));
    EXPECT_EQ(reader.GetChildText(), "");
    ASSERT_TRUE(reader.LeaveElement());
    ASSERT_TRUE(reader.FindChildElement("Q"));
    ASSERT_TRUE(reader.EnterElement());
    ASSERT_TRUE(reader.FindChildElement("C"));
    EXPECT_EQ(reader.GetChildText(), "c");
    EXPECT_EQ(reader.GetDocument(),
              "<R><P><A>a&lt;b &amp; &apos;q&apos; &quot;z&quot; &gt; long</A><B></B></P>"
              "<Q><C>c</C></Q><D/></R>");
    // The changed document parses again to the same texts.
    CXmlReader again;
    ASSERT_TRUE(again.Parse(reader.GetDocument()));
    ASSERT_TRUE(again.FindChildElement("P"));
    ASSERT_TRUE(again.EnterElement());
    ASSERT_TRUE(again.FindChildElement("A"));
    EXPECT_EQ(again.GetChildText(), "a<b & 'q' \"z\" > long");
}

TEST(XmlSetText, ReplacesCdataContentAndIgnoresElementsWithoutText) {
    CXmlReader reader;
    ASSERT_TRUE(reader.Parse("<R><A> <![CDATA[x<y]]> </A><E/><K><I>i</I></K></R>"));
    ASSERT_TRUE(reader.FindChildElement("A"));
    reader.SetChildText("new");
    EXPECT_EQ(reader.GetChildText(), "new");
    ASSERT_TRUE(reader.FindChildElement("E"));
    EXPECT_TRUE(reader.SetChildText("ignored"));
    ASSERT_TRUE(reader.FindChildElement("K"));
    EXPECT_TRUE(reader.SetChildText("ignored"));
    EXPECT_EQ(reader.GetDocument(), "<R><A>new</A><E/><K><I>i</I></K></R>");
    CXmlReader fresh;
    ASSERT_TRUE(fresh.Parse("<R/>"));
    EXPECT_TRUE(fresh.SetChildText("no child position"));
    EXPECT_EQ(fresh.GetDocument(), "<R/>");
}

} // namespace
} // namespace morvelan
