// The program's own small, non-validating XML reader, used for comandos.xml. It keeps the whole
// document as one 8-bit string and, beside it, a table of element positions (offsets into that
// string), so that parsing copies no text and changing one element's text only shifts offsets.
// Attributes, namespaces, encodings and DTDs are not interpreted: declarations, comments,
// processing instructions and attributes are passed over.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morvelan {

// Positions of one element in the document text. Index 0 in a link field means "none".
struct ElementSpan {
    std::int32_t startOpen = 0;   // the '<' that opens the start tag
    std::int32_t startClose = 0;  // the '>' that closes the start tag
    std::int32_t endOpen = 0;     // the '<' of the end tag; the '/' of an empty-element tag
    std::int32_t endClose = 0;    // the '>' of the end tag; startClose for an empty element
    std::int32_t parent = 0;      // index of the parent entry
    std::int32_t firstChild = 0;  // index of the first child element
    std::int32_t nextSibling = 0; // index of the next sibling element
};

class CXmlReader {
public:
    // Deeper documents are refused rather than risking the stack on hostile input.
    static constexpr int kMaxDepth = 512;
    // Offsets are 32-bit: a longer document is refused, and no change may grow one past this.
    static constexpr std::size_t kMaxDocumentSize = 0x7FFFFF00;

    CXmlReader();

    // Replaces the document and builds the element table; false with GetErrorText on failure.
    // A null pointer counts as an empty text.
    bool Parse(std::string text);
    bool Parse(const char* text);

    const std::string& GetDocument() const { return document_; }
    const std::string& GetErrorText() const { return errorText_; }

    // Cursor moves; an empty (or null) name matches any element. On failure the cursor stays.
    bool FindElement(std::string_view name = {});
    bool FindElement(const char* name);
    bool FindChildElement(std::string_view name = {});
    bool FindChildElement(const char* name);
    bool EnterElement();
    bool LeaveElement();

    // Text content of the element at the child position, entity-decoded or raw CDATA.
    std::string GetChildText() const;
    // Replaces the text content of the element at the child position; later offsets follow.
    bool SetChildText(std::string_view text);

    // Size of the element table (entries allocated, not entries used).
    std::size_t TableCapacity() const { return table_.size(); }

private:
    int parseElement(int parentIndex, int depth);
    int failParse(const char* format, std::string_view name);
    bool endTagCloses(int index, std::string_view name);
    int takeEntry(int parentIndex);
    void resetCursor();
    bool hasTextContent(int index) const;
    std::string_view nameOf(int index) const;

    std::string document_;
    std::string errorText_;
    std::vector<ElementSpan> table_;
    int nextFree_ = 1;
    int cursorParent_ = 0;
    int cursorCurrent_ = 0;
    int cursorChild_ = 0;
    bool atElement_ = false;
};

} // namespace morvelan
