#include "core/scripts/xml/XmlTokens.h"

#include <cstddef>

namespace morvelan::xml {

namespace {

bool IsDelimiter(char c) {
    switch (c) {
    case ' ':
    case '\t':
    case '\n':
    case '\r':
    case '<':
    case '>':
    case '=':
    case '\\':
    case '/':
    case '?':
    case '!':
        return true;
    default:
        return false;
    }
}

int Size(std::string_view doc) {
    return static_cast<int>(doc.size());
}

// Finds `sequence` at or after `from`; `next` becomes the offset just after it.
bool FindAfter(std::string_view doc, int from, std::string_view sequence, int& next) {
    const std::size_t found = doc.find(sequence, static_cast<std::size_t>(from));
    if (found == std::string_view::npos) {
        return false;
    }
    next = static_cast<int>(found + sequence.size());
    return true;
}

// A document type declaration may hold an internal subset in brackets, whose own '>'
// characters must not end it.
bool SkipDeclaration(std::string_view doc, int lt, int& next) {
    int depth = 0;
    XmlToken token;
    int pos = lt;
    while (ReadToken(doc, pos, token)) {
        pos = token.next;
        if (token.quoted) {
            continue;
        }
        const char first = doc[static_cast<std::size_t>(token.start)];
        if (first == '[') {
            ++depth;
        } else if (first == ']') {
            --depth;
        } else if (first == '>' && depth == 0) {
            next = pos;
            return true;
        }
    }
    return false;
}

} // namespace

bool IsXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool ReadToken(std::string_view doc, int from, XmlToken& token) {
    int pos = from;
    while (pos < Size(doc) && IsXmlSpace(doc[static_cast<std::size_t>(pos)])) {
        ++pos;
    }
    if (pos >= Size(doc)) {
        return false;
    }
    const char first = doc[static_cast<std::size_t>(pos)];
    if (first == '"' || first == '\'') {
        int end = pos + 1;
        while (end < Size(doc) && doc[static_cast<std::size_t>(end)] != first) {
            ++end;
        }
        token.start = pos + 1;
        token.length = end - token.start;
        token.quoted = true;
        token.next = end < Size(doc) ? end + 1 : end;
        return true;
    }
    token.start = pos;
    token.quoted = false;
    if (IsDelimiter(first)) {
        token.length = 1;
    } else {
        int end = pos;
        while (end < Size(doc) && !IsDelimiter(doc[static_cast<std::size_t>(end)])) {
            ++end;
        }
        token.length = end - pos;
    }
    token.next = token.start + token.length;
    return true;
}

bool FindChar(std::string_view doc, int& pos, char wanted) {
    if (pos < 0) {
        pos = 0;
    }
    while (pos < Size(doc)) {
        if (doc[static_cast<std::size_t>(pos)] == wanted) {
            return true;
        }
        ++pos;
    }
    return false;
}

bool SkipNode(std::string_view doc, int lt, int& next) {
    if (lt < 0 || lt + 2 >= Size(doc)) {
        return false;
    }
    const char second = doc[static_cast<std::size_t>(lt + 1)];
    const char third = doc[static_cast<std::size_t>(lt + 2)];
    if (second == '?') {
        return FindAfter(doc, lt, "?>", next);
    }
    if (second != '!') {
        return false;
    }
    if (third == '[') {
        return FindAfter(doc, lt, "]]>", next);
    }
    if (third == '-') {
        return FindAfter(doc, lt, "-->", next);
    }
    return SkipDeclaration(doc, lt, next);
}

bool NameMatches(std::string_view token, std::string_view requested) {
    if (requested.size() < token.size() || requested.compare(0, token.size(), token) != 0) {
        return false;
    }
    if (requested.size() == token.size()) {
        return true;
    }
    const char after = requested[token.size()];
    return after == ' ' || after == '=' || after == '/' || after == '[';
}

} // namespace morvelan::xml
