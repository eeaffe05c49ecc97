#include "core/present/HelpIndex.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace morvelan {
namespace {

struct Entity {
    std::string_view name;
    std::string_view text;
};

constexpr std::array<Entity, 8> kEntities = {{{"amp", "&"},
                                              {"lt", "<"},
                                              {"gt", ">"},
                                              {"quot", "\""},
                                              {"apos", "'"},
                                              {"nbsp", " "},
                                              {"mdash", "\xE2\x80\x94"},
                                              {"ndash", "\xE2\x80\x93"}}};

void appendUtf8(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Decodes the entity starting at html[at] ('&'); returns how many characters it took, 0 when it
// is no entity we know (the '&' then stands for itself).
std::size_t decodeEntity(std::string_view html, std::size_t at, std::string& out) {
    const auto end = html.find(';', at);
    if (end == std::string_view::npos || end - at > 10)
        return 0;
    const auto name = html.substr(at + 1, end - at - 1);
    if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string digits(name.substr(hex ? 2 : 1));
        char* rest = nullptr;
        const unsigned long code = std::strtoul(digits.c_str(), &rest, hex ? 16 : 10);
        if (digits.empty() || *rest != '\0')
            return 0;
        appendUtf8(out, code);
        return end - at + 1;
    }
    for (const Entity& entity : kEntities) {
        if (entity.name == name) {
            out += entity.text;
            return end - at + 1;
        }
    }
    return 0;
}

bool isBlank(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return out;
}

// The Latin-1 letters of U+00C0..U+00FF by their low five bits; upper and lower case share a
// row. Zero keeps the letter as it is.
constexpr std::string_view kLatinFold{"aaaaaa\0ceeeeiiii\0nooooo\0ouuuuy\0\0", 32};

std::vector<std::string> wordsOf(std::string_view folded) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : folded) {
        const auto byte = static_cast<unsigned char>(c);
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || byte >= 0x80) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

std::size_t occurrences(std::string_view text, std::string_view word) {
    std::size_t count = 0;
    for (auto at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + word.size()))
        ++count;
    return count;
}

} // namespace

std::string aboutText(std::string_view version) {
    return "Morvelan " + std::string(version) +
           "\n\nConfiguração e manutenção de impressoras fiscais Korva (ECF): comunicação, "
           "tabelas, lacração, chaves de assinatura, leituras fiscais, atualização do software "
           "básico e scripts de comandos.\n\nComponentes e suas licenças:\n"
           "Qt 6 - LGPL-3.0\nOpenSSL 3 - Apache-2.0\nSQLite - domínio público\nzlib - licença zlib";
}

std::string helpPageForCode(int group, int item) {
    std::array<char, 32> name{};
    std::snprintf(name.data(), name.size(), "f%02d_%02d.html", group, item);
    return name.data();
}

std::string helpPageFor(int group, int item, bool responseOnScreen,
                        const std::function<bool(const std::string&)>& pageExists) {
    if (responseOnScreen)
        return std::string(kHelpResponsePage);
    if (group > 0 && item > 0) {
        auto page = helpPageForCode(group, item);
        if (pageExists(page))
            return page;
    }
    return std::string(kHelpIndexPage);
}

std::string htmlPlainText(std::string_view html) {
    std::string out;
    out.reserve(html.size());
    std::size_t at = 0;
    while (at < html.size()) {
        const char c = html[at];
        if (c == '<') {
            const auto close = html.find('>', at);
            if (close == std::string_view::npos)
                break;
            const auto tag = lowerAscii(html.substr(at + 1, close - at - 1));
            at = close + 1;
            // What a style or script holds is not text for the reader.
            for (const std::string_view skipped : {"style", "script"}) {
                if (tag.starts_with(skipped)) {
                    const auto end = lowerAscii(html.substr(at)).find("</" + std::string(skipped));
                    at = end == std::string::npos ? html.size() : at + end;
                }
            }
            out += ' ';
            continue;
        }
        if (c == '&') {
            if (const auto used = decodeEntity(html, at, out); used > 0) {
                at += used;
                continue;
            }
        }
        out += isBlank(c) ? ' ' : c;
        ++at;
    }
    std::string collapsed;
    collapsed.reserve(out.size());
    for (const char c : out) {
        if (c == ' ' && (collapsed.empty() || collapsed.back() == ' '))
            continue;
        collapsed += c;
    }
    if (!collapsed.empty() && collapsed.back() == ' ')
        collapsed.pop_back();
    return collapsed;
}

std::string htmlTitle(std::string_view html) {
    const auto lower = lowerAscii(html);
    const auto open = lower.find("<title>");
    if (open == std::string::npos)
        return {};
    const auto start = open + 7;
    const auto close = lower.find("</title>", start);
    if (close == std::string::npos)
        return {};
    return htmlPlainText(html.substr(start, close - start));
}

std::string foldForSearch(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (byte == 0xC3 && at + 1 < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[at + 1]);
            if (next >= 0x80 && next <= 0xBF && kLatinFold[next & 0x1F] != '\0') {
                out += kLatinFold[next & 0x1F];
                ++at;
                continue;
            }
        }
        out += byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : utf8[at];
    }
    return out;
}

void HelpIndex::add(std::string page, std::string_view html) {
    auto title = htmlTitle(html);
    // A reading and a setting often share a title; the tree code tells them apart in a list.
    if (page.size() == 11 && page[0] == 'f' && page[3] == '_' && page.ends_with(".html"))
        title = page.substr(1, 2) + "." + page.substr(4, 2) + " - " + title;
    auto foldedTitle = foldForSearch(title);
    m_entries.push_back({std::move(page), std::move(title), std::move(foldedTitle),
                         foldForSearch(htmlPlainText(html))});
}

std::vector<HelpHit> HelpIndex::search(std::string_view query) const {
    const auto words = wordsOf(foldForSearch(query));
    if (words.empty())
        return {};
    struct Ranked {
        const Entry* entry;
        bool inTitle;
        std::size_t count;
    };
    std::vector<Ranked> ranked;
    for (const Entry& entry : m_entries) {
        bool inTitle = true;
        std::size_t count = 0;
        for (const auto& word : words) {
            const auto inText = occurrences(entry.foldedText, word);
            if (inText == 0) {
                count = 0;
                break;
            }
            count += inText;
            inTitle = inTitle && entry.foldedTitle.find(word) != std::string::npos;
        }
        if (count > 0)
            ranked.push_back({&entry, inTitle, count});
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        if (a.inTitle != b.inTitle)
            return a.inTitle;
        return a.count > b.count;
    });
    std::vector<HelpHit> hits;
    hits.reserve(ranked.size());
    for (const Ranked& r : ranked)
        hits.push_back({r.entry->page, r.entry->title});
    return hits;
}

} // namespace morvelan
