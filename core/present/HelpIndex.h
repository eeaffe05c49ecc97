// The help pages as text: which page explains what is on screen, and a search over the pages'
// words that forgives accents and case, since technicians rarely type "lacração" with its cedilla.
// No Qt here; the help window feeds it the pages it loaded.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace morvelan {

inline constexpr std::string_view kHelpIndexPage = "index.html";
inline constexpr std::string_view kHelpResponsePage = "resposta.html";

// What "Sobre o Morvelan" says: the version, what the program is for, and the licences of the
// components it is built on.
std::string aboutText(std::string_view version);

// "fGG_II.html", the page of the tree item (group, item).
std::string helpPageForCode(int group, int item);

// The page F1 opens: the response panel's own page when it is on screen, else the page of the
// form picked in the tree; the index for the empty form or a page the help does not hold.
std::string helpPageFor(int group, int item, bool responseOnScreen,
                        const std::function<bool(const std::string&)>& pageExists);

// The readable text of an HTML page: tags dropped (scripts and styles with their content),
// the common entities decoded, runs of white space made one blank.
std::string htmlPlainText(std::string_view html);

// The text inside <title>, or empty.
std::string htmlTitle(std::string_view html);

// Lower case without accents, byte for byte comparable ("Seqüência" -> "sequencia").
std::string foldForSearch(std::string_view utf8);

struct HelpHit {
    std::string page;
    std::string title; // a function's page leads with its tree code: "06.07 - Meios de pagamentos"
};

class HelpIndex {
public:
    void add(std::string page, std::string_view html);

    // Pages holding every word of `query`; the ones whose title holds them first, then by how
    // often the words appear. Empty for a query without words.
    std::vector<HelpHit> search(std::string_view query) const;

private:
    struct Entry {
        std::string page;
        std::string title;
        std::string foldedTitle;
        std::string foldedText;
    };
    std::vector<Entry> m_entries;
};

} // namespace morvelan
