// Parsing: builds the element table over the document text without copying any of it.
#include "core/scripts/xml/XmlReader.h"

#include "core/scripts/xml/XmlTokens.h"

#include <algorithm>
#include <utility>

namespace morvelan {

namespace {

// Entries reserved per character of text, so that a usual document never regrows its table.
constexpr std::size_t kCharactersPerEntry = 64;
constexpr std::size_t kSpareEntries = 8;

} // namespace

using xml::FindChar;
using xml::NameMatches;
using xml::ReadToken;
using xml::SkipNode;
using xml::XmlToken;

CXmlReader::CXmlReader() {
    Parse(std::string());
}

bool CXmlReader::Parse(const char* text) {
    return Parse(std::string(text ? text : ""));
}

bool CXmlReader::Parse(std::string text) {
    nextFree_ = 1;
    resetCursor();
    document_ = std::move(text);
    const std::size_t wanted = document_.size() / kCharactersPerEntry + kSpareEntries;
    if (table_.size() < wanted && document_.size() <= kMaxDocumentSize) {
        table_.resize(wanted);
    }
    table_[0] = ElementSpan{};
    if (document_.empty()) {
        return false;
    }
    if (document_.size() > kMaxDocumentSize) {
        errorText_ = "Document too large";
        return false;
    }
    const int root = parseElement(0, 1);
    if (root > 0) {
        table_[0].firstChild = root;
        resetCursor();
        return true;
    }
    table_[0] = ElementSpan{};
    nextFree_ = 1;
    resetCursor();
    return false;
}

void CXmlReader::resetCursor() {
    cursorParent_ = 0;
    cursorCurrent_ = 0;
    cursorChild_ = 0;
    atElement_ = false;
}

int CXmlReader::takeEntry(int parentIndex) {
    if (static_cast<std::size_t>(nextFree_) >= table_.size()) {
        table_.resize(std::max<std::size_t>(static_cast<std::size_t>(nextFree_) * 3 / 2,
                                            static_cast<std::size_t>(nextFree_) + 1));
    }
    const int index = nextFree_++;
    table_[static_cast<std::size_t>(index)] = ElementSpan{};
    table_[static_cast<std::size_t>(index)].parent = parentIndex;
    return index;
}

int CXmlReader::failParse(const char* format, std::string_view name) {
    std::string text(format);
    const std::size_t slot = text.find("%s");
    if (slot != std::string::npos) {
        text.replace(slot, 2, name);
    }
    errorText_ = std::move(text);
    return -1;
}

// Parses the next element inside the parent entry, scanning from the parent's endOpen.
// Returns the new entry, 0 when the parent has no further child, -1 on a parse error.
int CXmlReader::parseElement(int parentIndex, int depth) {
    const std::string_view doc = document_;
    auto span = [this](int index) -> ElementSpan& {
        return table_[static_cast<std::size_t>(index)];
    };
    const int index = takeEntry(parentIndex);
    int scan = span(parentIndex).endOpen;
    std::string_view name;
    while (name.empty()) {
        int lt = scan;
        if (!FindChar(doc, lt, '<')) {
            if (parentIndex != 0) {
                // The parent reports its own missing end tag.
                --nextFree_;
                return 0;
            }
            return failParse("Element tag not found", {});
        }
        span(parentIndex).endOpen = lt;
        XmlToken token;
        if (!ReadToken(doc, lt + 1, token)) {
            return failParse("Abrupt end within tag", {});
        }
        if (token.quoted) {
            return failParse("Tag starts with quote", {});
        }
        const char first = doc[static_cast<std::size_t>(token.start)];
        if (first == '?' || first == '!') {
            if (!SkipNode(doc, lt, scan)) {
                return failParse("Invalid node", {});
            }
            continue;
        }
        if (first == '/') {
            --nextFree_;
            return 0;
        }
        name = doc.substr(static_cast<std::size_t>(token.start),
                          static_cast<std::size_t>(token.length));
        int gt = token.next;
        if (!FindChar(doc, gt, '>')) {
            return failParse("End of tag not found", {});
        }
        span(index).startOpen = lt;
        span(index).startClose = gt;
    }
    if (depth > kMaxDepth) {
        return failParse("Element %s nested too deeply", name);
    }

    const int gt = span(index).startClose;
    if (doc[static_cast<std::size_t>(gt - 1)] == '/') {
        span(index).endOpen = gt - 1;
        span(index).endClose = gt;
        return index;
    }
    span(index).endOpen = gt + 1;
    int previous = 0;
    for (;;) {
        const int child = parseElement(index, depth + 1);
        if (child < 0) {
            return -1;
        }
        if (child == 0) {
            break;
        }
        if (previous == 0) {
            span(index).firstChild = child;
        } else {
            span(previous).nextSibling = child;
        }
        previous = child;
        span(index).endOpen = span(child).endClose + 1;
    }
    int endLt = span(index).endOpen;
    if (!FindChar(doc, endLt, '<')) {
        return failParse("End tag of %s element not found", name);
    }
    span(index).endOpen = endLt;
    return endTagCloses(index, name) ? index : -1;
}

// Reads the end tag at the element's endOpen: "/", then the element's name, then ">".
bool CXmlReader::endTagCloses(int index, std::string_view name) {
    const std::string_view doc = document_;
    ElementSpan& span = table_[static_cast<std::size_t>(index)];
    int count = 0;
    XmlToken token;
    int pos = span.endOpen + 1;
    while (ReadToken(doc, pos, token)) {
        pos = token.next;
        ++count;
        if (token.quoted) {
            continue;
        }
        const std::string_view text = doc.substr(static_cast<std::size_t>(token.start),
                                                 static_cast<std::size_t>(token.length));
        if (count == 1) {
            if (text[0] != '/') {
                failParse("Expecting end tag of element %s", name);
                return false;
            }
        } else if (count == 2) {
            if (!NameMatches(text, name)) {
                failParse("End tag does not correspond to %s", name);
                return false;
            }
        } else if (text[0] == '>') {
            span.endClose = token.start;
            return true;
        }
    }
    failParse("End tag not completed for element %s", name);
    return false;
}

} // namespace morvelan
