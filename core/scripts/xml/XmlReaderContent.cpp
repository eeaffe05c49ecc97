// Cursor moves, and reading and changing the text content of elements.
#include "core/scripts/xml/XmlReader.h"

#include "core/scripts/xml/XmlTokens.h"

namespace morvelan {

namespace {

struct Entity {
    std::string_view code;
    char character;
};

// Tried in this order at every '&'.
constexpr Entity kEntities[] = {
    {"lt;", '<'}, {"amp;", '&'}, {"gt;", '>'}, {"apos;", '\''}, {"quot;", '"'},
};

constexpr std::string_view kCdataOpen = "<![CDATA[";
constexpr std::string_view kCdataClose = "]]>";

std::string Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '\'':
            out += "&apos;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string DecodeEntities(std::string_view range) {
    std::string out;
    out.reserve(range.size());
    std::size_t i = 0;
    while (i < range.size()) {
        bool decoded = false;
        if (range[i] == '&') {
            for (const Entity& entity : kEntities) {
                if (range.substr(i + 1, entity.code.size()) == entity.code) {
                    out += entity.character;
                    i += 1 + entity.code.size();
                    decoded = true;
                    break;
                }
            }
        }
        if (!decoded) {
            out += range[i];
            ++i;
        }
    }
    return out;
}

} // namespace

std::string_view CXmlReader::nameOf(int index) const {
    const std::string_view doc = document_;
    xml::XmlToken token;
    if (!xml::ReadToken(doc, table_[static_cast<std::size_t>(index)].startOpen + 1, token)) {
        return {};
    }
    return doc.substr(static_cast<std::size_t>(token.start),
                      static_cast<std::size_t>(token.length));
}

bool CXmlReader::FindElement(const char* name) {
    return FindElement(std::string_view(name ? name : ""));
}

bool CXmlReader::FindElement(std::string_view name) {
    int candidate = cursorCurrent_ != 0
                        ? table_[static_cast<std::size_t>(cursorCurrent_)].nextSibling
                        : table_[static_cast<std::size_t>(cursorParent_)].firstChild;
    while (candidate != 0) {
        if (name.empty() || xml::NameMatches(nameOf(candidate), name)) {
            cursorCurrent_ = candidate;
            cursorParent_ = table_[static_cast<std::size_t>(candidate)].parent;
            cursorChild_ = 0;
            atElement_ = true;
            return true;
        }
        candidate = table_[static_cast<std::size_t>(candidate)].nextSibling;
    }
    return false;
}

bool CXmlReader::FindChildElement(const char* name) {
    return FindChildElement(std::string_view(name ? name : ""));
}

bool CXmlReader::FindChildElement(std::string_view name) {
    if (!atElement_ && !FindElement()) {
        return false;
    }
    int candidate = cursorChild_ != 0 ? table_[static_cast<std::size_t>(cursorChild_)].nextSibling
                                      : table_[static_cast<std::size_t>(cursorCurrent_)].firstChild;
    while (candidate != 0) {
        if (name.empty() || xml::NameMatches(nameOf(candidate), name)) {
            cursorChild_ = candidate;
            cursorCurrent_ = table_[static_cast<std::size_t>(candidate)].parent;
            cursorParent_ = table_[static_cast<std::size_t>(cursorCurrent_)].parent;
            return true;
        }
        candidate = table_[static_cast<std::size_t>(candidate)].nextSibling;
    }
    return false;
}

bool CXmlReader::EnterElement() {
    if (!atElement_) {
        return false;
    }
    cursorParent_ = cursorCurrent_;
    cursorCurrent_ = cursorChild_;
    cursorChild_ = 0;
    atElement_ = cursorCurrent_ != 0;
    return true;
}

bool CXmlReader::LeaveElement() {
    if (cursorParent_ == 0) {
        return false;
    }
    cursorChild_ = cursorCurrent_;
    cursorCurrent_ = cursorParent_;
    cursorParent_ = table_[static_cast<std::size_t>(cursorCurrent_)].parent;
    atElement_ = true;
    return true;
}

bool CXmlReader::hasTextContent(int index) const {
    const ElementSpan& span = table_[static_cast<std::size_t>(index)];
    return span.firstChild == 0 && span.endClose != span.startClose;
}

std::string CXmlReader::GetChildText() const {
    if (cursorChild_ == 0 || !hasTextContent(cursorChild_)) {
        return {};
    }
    const std::string_view doc = document_;
    const ElementSpan& span = table_[static_cast<std::size_t>(cursorChild_)];
    const std::size_t from = static_cast<std::size_t>(span.startClose) + 1;
    const std::size_t to = static_cast<std::size_t>(span.endOpen);
    std::size_t first = from;
    while (first < doc.size() && xml::IsXmlSpace(doc[first])) {
        ++first;
    }
    if (first + 11 < to && doc.substr(first, kCdataOpen.size()) == kCdataOpen) {
        const std::size_t body = first + kCdataOpen.size();
        const std::size_t close = doc.find(kCdataClose, body);
        if (close != std::string_view::npos && close < to) {
            return std::string(doc.substr(body, close - body));
        }
    }
    return DecodeEntities(doc.substr(from, to - from));
}

bool CXmlReader::SetChildText(std::string_view text) {
    if (cursorChild_ == 0 || !hasTextContent(cursorChild_)) {
        return true;
    }
    ElementSpan& span = table_[static_cast<std::size_t>(cursorChild_)];
    // The whole content goes, CDATA sections and comments included: leaving any of it behind
    // would make the element read back as something other than the new text.
    const std::int32_t from = span.startClose + 1;
    const std::int32_t to = span.endOpen;
    const std::string escaped = Escape(text);
    const std::size_t newSize =
        document_.size() - static_cast<std::size_t>(to - from) + escaped.size();
    if (newSize > kMaxDocumentSize) {
        return true;
    }
    document_.replace(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from), escaped);
    const std::int32_t shift = static_cast<std::int32_t>(escaped.size()) - (to - from);
    for (int index = 1; index < nextFree_; ++index) {
        ElementSpan& other = table_[static_cast<std::size_t>(index)];
        for (std::int32_t* offset :
             {&other.startOpen, &other.startClose, &other.endOpen, &other.endClose}) {
            if (*offset >= to) {
                *offset += shift;
            }
        }
    }
    return true;
}

} // namespace morvelan
