#include "core/present/ScriptColouring.h"
#include "QStringPrinting.h"
#include "gui/dialogs/CScriptOutputDlg.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace morvelan {
namespace {

using C = ScriptLineColour;

TEST(UiScriptColouring, LinesTakeTheirColourFromTheirStart) {
    const std::string log = "=====\r\n"
                            "Comandos Enviados para ( COM1 - QP-L30 ): \r\n"
                            "\r\n"
                            "Comando: 0001|0000\r\n"
                            "*****\r\n"
                            "* Dados Retornados pela impressora:\r\n"
                            "Campo Não Identificado: 12\r\n"
                            "Resposta: ( 0000 ) - Resultado sem erro\r\n"
                            "\r\n"
                            "Resposta: ( 0101 ) - Comando inválido\r\n"
                            "continua\r\n"
                            "Comando: <ADIANTAR 1 DIA>\r\n";
    const auto lines = colourScriptLog(log);
    ASSERT_EQ(lines.size(), 12u);
    const C expected[] = {C::Black,     C::Black, C::Black, C::Black, C::DarkGreen, C::DarkGreen,
                          C::DarkGreen, C::Blue,  C::Blue,  C::Red,   C::Red,       C::Black};
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].colour, expected[i]) << i << ": " << lines[i].text;
    EXPECT_EQ(lines[1].text, "Comandos Enviados para ( COM1 - QP-L30 ): ");
    EXPECT_EQ(rgbOf(C::DarkGreen).green, 128);
    EXPECT_EQ(rgbOf(C::DarkGreen).blue, 64);
    EXPECT_EQ(rgbOf(C::Blue).blue, 255);
}

TEST(UiScriptColouring, LongLinesAreCutAtCharactersNotBytes) {
    const std::string longLine(1500, 'x');
    auto lines = scriptLogLines(longLine + "\nok");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 1024u);
    EXPECT_EQ(lines[1], "ok");

    std::string accented;
    for (int i = 0; i < 1100; ++i)
        accented += "ç";
    lines = scriptLogLines(accented);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), 2048u); // 1024 two-byte characters
    EXPECT_TRUE(scriptLogLines("").empty());
}

TEST(UiScriptColouring, WindowShowsTheColouredLogFromTheTop) {
    QString log;
    for (int i = 0; i < 200; ++i)
        log += QStringLiteral("Resposta: ( 0000 ) - ok\r\nlinha\r\nResposta: ( 0002 ) - erro\r\n");
    CScriptOutputDlg dialog(log);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Execução de Script"));
    const auto* document = dialog.view()->document();
    ASSERT_EQ(document->blockCount(), 600);
    const auto colourOf = [&](int block) {
        return document->findBlockByNumber(block)
            .begin()
            .fragment()
            .charFormat()
            .foreground()
            .color();
    };
    EXPECT_EQ(colourOf(0), QColor(0, 0, 255));
    EXPECT_EQ(colourOf(1), QColor(0, 0, 255));
    EXPECT_EQ(colourOf(2), QColor(255, 0, 0));
    EXPECT_EQ(colourOf(4), QColor(0, 0, 255));
    EXPECT_EQ(colourOf(5), QColor(255, 0, 0));
    EXPECT_EQ(dialog.view()->textCursor().position(), 0);
    EXPECT_TRUE(
        document->findBlockByNumber(0).begin().fragment().charFormat().font().family().contains(
            QStringLiteral("Courier New")));
}

} // namespace
} // namespace morvelan
