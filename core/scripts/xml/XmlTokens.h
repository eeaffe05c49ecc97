// Lexical helpers of the XML reader: token reading, character and sequence searches, node
// skipping and name matching. Every function stays inside the text it is given.
#pragma once

#include <string_view>

namespace morvelan::xml {

struct XmlToken {
    int start = 0;       // offset of the first character of the token
    int length = 0;      // number of characters (a quoted token excludes its quotes)
    int next = 0;        // where reading continues
    bool quoted = false; // the token was a quoted string
};

bool IsXmlSpace(char c);

// Reads the token at or after `from` (whitespace skipped); false at the end of the text.
bool ReadToken(std::string_view doc, int from, XmlToken& token);

// Advances `pos` to the next `wanted` at or after it; false when the text ends first.
bool FindChar(std::string_view doc, int& pos, char wanted);

// Skips the declaration, comment, CDATA section or processing instruction whose '<' is at `lt`.
// On success `next` is the offset just after the node.
bool SkipNode(std::string_view doc, int lt, int& next);

// An element's name token matches a requested name when the requested name starts with it and
// either ends there or goes on with a space, '=', '/' or '['.
bool NameMatches(std::string_view token, std::string_view requested);

} // namespace morvelan::xml
