// Parses any bytes as a document, walks every element with the cursor, changes every text and
// checks that the changed document agrees with a fresh parse of its own text.
#include "FuzzCheck.h"
#include "core/scripts/xml/XmlReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace {

using morvelan::CXmlReader;

using morvelan::fuzz::Check;

// Texts of every element below the document element, in document order.
void Walk(CXmlReader& reader, std::vector<std::string>& texts) {
    while (reader.FindChildElement()) {
        texts.push_back(reader.GetChildText());
        if (reader.EnterElement()) {
            Walk(reader, texts);
            Check(reader.LeaveElement());
        }
    }
}

const char* const kNewTexts[] = {"",        "x",  "<&>'\"", "a much longer replacement text &amp;",
                                 " \r\n\t", "]]>"};

// Changes the text of every element below the document element and collects what each then
// reads as, in document order.
void ChangeAll(CXmlReader& reader, std::size_t& counter, std::vector<std::string>& texts) {
    while (reader.FindChildElement()) {
        const std::string before = reader.GetChildText();
        const std::string wanted = kNewTexts[counter++ % std::size(kNewTexts)];
        Check(reader.SetChildText(wanted));
        const std::string after = reader.GetChildText();
        Check(after == wanted || (after.empty() && before.empty()));
        texts.push_back(after);
        if (reader.EnterElement()) {
            ChangeAll(reader, counter, texts);
            Check(reader.LeaveElement());
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CXmlReader reader;
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (!reader.Parse(text)) {
        Check(!reader.FindElement() && !reader.FindChildElement() && !reader.EnterElement());
        Check(reader.GetDocument() == text);
        return 0;
    }
    reader.FindElement("COMANDOS");
    reader.FindChildElement("GRUPO[1]");

    std::vector<std::string> texts;
    CXmlReader walker;
    Check(walker.Parse(text));
    Walk(walker, texts);

    CXmlReader changer;
    Check(changer.Parse(text));
    std::size_t counter = 0;
    std::vector<std::string> changedTexts;
    ChangeAll(changer, counter, changedTexts);
    Check(changedTexts.size() == texts.size());

    // Every offset must have followed the changes: a fresh parse of the changed document sees
    // the same elements with the texts the changed reader read.
    std::vector<std::string> reparsedTexts;
    CXmlReader reparsed;
    Check(reparsed.Parse(changer.GetDocument()));
    Walk(reparsed, reparsedTexts);
    Check(reparsedTexts == changedTexts);
    return 0;
}
