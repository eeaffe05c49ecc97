#include "core/scripts/check/ScriptCheck.h"

#include "RecordingPrompts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace morvelan {
namespace {

const std::string kLoopEnd3 = ScriptLoopEndLine("3");

// Two commands: one without fields, one with a reserved second field.
const CommandDictionary& Dictionary() {
    static const std::unique_ptr<CommandDictionary> table = [] {
        auto filled = std::make_unique<CommandDictionary>();
        CommandEntry& status = filled->groups[0].commands[0];
        SetSlotText(status.code, "0001");
        SetSlotText(status.name, "Ler estado");
        SetSlotText(status.extensions[0].code, "0000");
        status.extensionCount = 1;
        CommandEntry& header = filled->groups[1].commands[3];
        SetSlotText(header.code, "0A10");
        SetSlotText(header.name, "Programar");
        SetSlotText(header.extensions[0].code, "0000");
        SetSlotText(header.extensions[1].code, "0001");
        header.extensionCount = 2;
        SetSlotText(header.fieldDescriptions[0], "Linha");
        SetSlotText(header.fieldDescriptions[1], kReservedField);
        SetSlotText(header.fieldDefaults[1], "00");
        SetSlotText(header.fieldDescriptions[2], "Texto");
        header.fieldCount = 3;
        return filled;
    }();
    return *table;
}

std::vector<ScriptFinding> Check(const std::vector<std::string>& lines,
                                 const CommandDictionary* dictionary = &Dictionary()) {
    return CheckScriptLines(lines, dictionary, 100).findings;
}

TEST(ScriptCheck, EachKindOfMistakeIsNamedOnItsLine) {
    struct Case {
        std::vector<std::string> lines;
        int line;
        std::string reason;
    };
    const Case cases[] = {
        {{"ZZZZ|0000"}, 1, "O comando \"ZZZZ\" não existe no dicionário de comandos."},
        {{"00011|0000"}, 1, "O comando \"00011\" não existe no dicionário de comandos."},
        {{"0A10|0009|a|00|b"},
         1,
         "A extensão \"0009\" não existe no comando 0A10 (Programar); extensões do comando: "
         "0000, 0001."},
        {{"0001"}, 1, "Falta a extensão do comando 0001 (Ler estado); extensões do comando: 0000."},
        {{"0A10|0001|a|00"},
         1,
         "O comando 0A10 (Programar) tem 3 campos, mas a linha tem 2 campos."},
        {{"0001|0000|"}, 1, "O comando 0001 (Ler estado) não tem campos, mas a linha tem 1 campo."},
        {{"0A10|0000|a|07|b"},
         1,
         "O campo 2 do comando 0A10 (Programar) é RESERVADO e fica \"00\", não \"07\"."},
        {{"//ok", "#Seta \xE2\x86\x92"},
         2,
         "O caractere \"\xE2\x86\x92\" não existe no Windows-1252."},
        {{"#Aten\xC3\xA7\xC3\xA3o"}, 1, "O texto está em UTF-8; grave o script em Windows-1252."},
        {{"#Papel\x81"}, 1, "O byte 0x81 não é um caractere do Windows-1252."},
        {{"0001|0000", kLoopEnd3}, 2, "Final de loop sem \"<INICIO DE LOOP>\" antes."},
        {{std::string(kLoopStartLine), "0001|0000"},
         1,
         "Loop sem final: falta \"<FINAL DE LOOP - [n] Repetições>\" depois de \"<INICIO DE "
         "LOOP>\"."},
        {{std::string(kLoopStartLine), std::string(kLoopStartLine), kLoopEnd3},
         1,
         "Loop sem final: falta \"<FINAL DE LOOP - [n] Repetições>\" depois de \"<INICIO DE "
         "LOOP>\"."},
        {{std::string(kLoopStartLine), ScriptLoopEndLine("12345")},
         2,
         "Quantidade de repetições inválida (\"12345\"): use um número de 0 a 9999 entre \"[\" e "
         "\"]\"."},
        {{std::string(kLoopStartLine), "<FINAL DE LOOP>"},
         2,
         "Quantidade de repetições inválida (\"\"): use um número de 0 a 9999 entre \"[\" e "
         "\"]\"."},
        {{"<ADIANTAR 3 DIAS>"},
         1,
         "Quantidade de dias inválida (\"3\"): cada \"<ADIANTAR 1 DIA>\" adianta um dia só; repita "
         "a linha para cada dia."},
        {{"<ADIANTAR UM DIA>"}, 1, "Linha fora do formato: é executada como \"<ADIANTAR 1 DIA>\"."},
        {{"<Inicio>", kLoopEnd3},
         1,
         "Linha fora do formato: é executada como \"<INICIO DE LOOP>\"."},
        {{"<Pausa>"}, 1, "Linha de controle desconhecida: é ignorada na execução."},
        {{"Troque o papel"},
         1,
         "O comando \"Troque o papel\" não existe no dicionário de comandos."},
    };
    for (const Case& c : cases) {
        const std::vector<ScriptFinding> findings = Check(c.lines);
        ASSERT_EQ(findings.size(), 1U) << c.lines.back();
        EXPECT_EQ(findings[0].line, c.line) << c.lines.back();
        EXPECT_EQ(findings[0].text, c.lines[static_cast<std::size_t>(c.line) - 1]);
        EXPECT_EQ(findings[0].reason, c.reason);
    }
}

TEST(ScriptCheck, WithoutADictionaryCommandLinesAreHeldToTheirShape) {
    EXPECT_TRUE(Check({"ZZZZ|0000|x", "0001|0000"}, nullptr).empty());
    for (const std::string line : {"Troque o papel", "0001", "001|0000", "0001|00000|x"}) {
        const std::vector<ScriptFinding> findings = Check({line}, nullptr);
        ASSERT_EQ(findings.size(), 1U) << line;
        EXPECT_EQ(findings[0].reason, "Linha de comando fora do formato: código, \"|\", extensão e "
                                      "os campos, cada um depois de um \"|\".");
    }
}

TEST(ScriptCheck, AWellFormedScriptIsClean) {
    EXPECT_TRUE(Check({"//teste de cabe\xE7"
                       "alho",
                       "//ZZZZ|0000", "#Coloque papel", "#@Aguarde", "0001|0000",
                       "0a10|0001|Loja \xC0 vista|00|", std::string(kLoopStartLine),
                       "0A10|0000||00|", ScriptLoopEndLine("0"), std::string(kLoopStartLine),
                       ScriptLoopEndLine("9999"), std::string(kAdvanceDayLine)})
                    .empty());
}

TEST(ScriptCheck, EveryCommandOfTheDeliveredDictionaryAsTheGeneratorWritesItIsClean) {
    test::RecordingPrompts prompts;
    auto table = std::make_unique<CommandDictionary>();
    ASSERT_TRUE(LoadCommandDictionary(std::filesystem::path(MORVELAN_COMANDOS_XML).parent_path(),
                                      prompts, *table));
    std::vector<std::string> script;
    for (const CommandGroup& group : table->groups) {
        for (const CommandEntry& entry : group.commands) {
            if (SlotText(entry.code).empty()) {
                continue;
            }
            std::string line =
                std::string(SlotText(entry.code)) + "|" +
                std::string(entry.extensionCount > 0 ? SlotText(entry.extensions[0].code)
                                                     : std::string_view("0000"));
            for (int i = 0; i < entry.fieldCount; ++i) {
                line += "|" + std::string(SlotText(entry.fieldDefaults[i]));
            }
            script.push_back(line);
        }
    }
    EXPECT_GT(script.size(), 50U);
    for (const ScriptFinding& finding : Check(script, table.get())) {
        ADD_FAILURE() << finding.text << ": " << finding.reason;
    }
}

TEST(ScriptCheck, AFileIsCheckedWithItsOwnLineNumbers) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("morvelan-check-" + std::to_string(::getpid()) + ".SEQ");
    std::ofstream(path, std::ios::binary)
        << "0001|0000\r\n\r\n\nZZZZ|0000\r\n//" << std::string(1100, 'x') << "\r\n";
    const auto outcome = CheckScriptFile(path, &Dictionary(), 1);
    std::filesystem::remove(path);
    ASSERT_TRUE(outcome);
    ASSERT_EQ(outcome->total, 2U);
    EXPECT_EQ(outcome->findings.at(0).line, 4);
    EXPECT_EQ(ScriptCheckMessage(*outcome),
              "2 problemas encontrados no script.\n\nLinha 4: ZZZZ|0000\n    O comando \"ZZZZ\" "
              "não existe no dicionário de comandos.\n\n... e mais 1 problema.");

    ScriptCheckOutcome all;
    std::ofstream(path, std::ios::binary) << "#a\n//" << std::string(1100, 'x') << "\n";
    std::FILE* file = std::fopen(path.c_str(), "rb");
    ScriptFileReader reader(file);
    CheckScriptFile(reader, &Dictionary(),
                    [&all](const ScriptFinding& f) { all.findings.push_back(f); });
    std::filesystem::remove(path);
    ASSERT_EQ(all.findings.size(), 1U);
    EXPECT_EQ(all.findings[0].line, 2);
    EXPECT_EQ(all.findings[0].reason,
              "Linha com mais de 1023 caracteres: o restante é lido como outra linha.");
    EXPECT_FALSE(CheckScriptFile(path, &Dictionary(), 1));
}

} // namespace
} // namespace morvelan
