#include "core/present/HelpIndex.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace morvelan {
namespace {

TEST(HelpIndex, FoldsCaseAndAccentsAway) {
    EXPECT_EQ(foldForSearch("Seqüência de LACRAÇÃO"), "sequencia de lacracao");
    EXPECT_EQ(foldForSearch("Alíquotas, Símbolo, Não, Operação"),
              "aliquotas, simbolo, nao, operacao");
    EXPECT_EQ(foldForSearch("0e01 |MIT|"), "0e01 |mit|");
}

TEST(HelpIndex, TakesTheReadableTextOutOfAPage) {
    const struct {
        const char* html;
        const char* text;
    } cases[] = {
        {"<p>A &amp; B<br>C&nbsp;D</p>", "A & B C D"},
        {"<head><style>p { color: red }</style></head><p>Texto</p>", "Texto"},
        {"<p>for&#231;ar &#xe9; &lt;INICIO&gt;</p>", "forçar é <INICIO>"},
        {"<p>R&D &unknown; x</p>", "R&D &unknown; x"},
        {"<p>linha\n\n   outra</p>", "linha outra"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(htmlPlainText(c.html), c.text) << c.html;
    EXPECT_EQ(htmlTitle("<html><HEAD><TITLE>Data e hora</TITLE></HEAD></html>"), "Data e hora");
    EXPECT_EQ(htmlTitle("<p>sem título</p>"), "");
}

TEST(HelpIndex, FindsPagesHoldingEveryWordTitleMatchesFirst) {
    HelpIndex index;
    index.add("a.html",
              "<title>Relatórios</title><p>Meios de pagamento e pagamento vinculado.</p>");
    index.add("b.html", "<title>Meios de pagamentos</title><p>Tabela da impressora.</p>");
    index.add("c.html", "<title>Clichê</title><p>Linhas do cabeçalho.</p>");
    index.add("f07_04.html", "<title>Clichê</title><p>Leitura do clichê.</p>");
    const auto pages = [&](const char* query) {
        std::vector<std::string> found;
        for (const auto& hit : index.search(query))
            found.push_back(hit.page);
        return found;
    };
    EXPECT_EQ(pages("PAGAMENTO"), (std::vector<std::string>{"b.html", "a.html"}));
    EXPECT_EQ(pages("pagamento vinculado"), std::vector<std::string>{"a.html"});
    EXPECT_EQ(pages("cliche cabecalho"), std::vector<std::string>{"c.html"});
    ASSERT_EQ(index.search("leitura").size(), 1U);
    EXPECT_EQ(index.search("leitura").front().title, "07.04 - Clichê");
    EXPECT_EQ(pages("cliche pagamento"), std::vector<std::string>{});
    EXPECT_EQ(pages("  ,; "), std::vector<std::string>{});
    ASSERT_EQ(index.search("tabela").size(), 1U);
    EXPECT_EQ(index.search("tabela").front().title, "Meios de pagamentos");
}

TEST(HelpIndex, F1OpensThePageOfWhatIsOnScreen) {
    const std::set<std::string> held{"f06_07.html", "f10_03.html"};
    const auto exists = [&](const std::string& page) { return held.count(page) == 1; };
    const struct {
        int group, item;
        bool response;
        const char* page;
    } cases[] = {
        {6, 7, false, "f06_07.html"}, {10, 3, false, "f10_03.html"}, {6, 7, true, "resposta.html"},
        {0, 0, false, "index.html"},  {6, 0, false, "index.html"},   {1, 2, false, "index.html"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(helpPageFor(c.group, c.item, c.response, exists), c.page)
            << c.group << "." << c.item;
}

} // namespace
} // namespace morvelan
