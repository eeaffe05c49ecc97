#include "DictionaryFixture.h"

#include <cstring>
#include <string>

namespace morvelan::test {
namespace {

using DictionaryLoad = DictionaryFixture;

bool IsAllZero(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) {
        if (bytes[i] != 0) {
            return false;
        }
    }
    return true;
}

const char* const kSample =
    "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n"
    "<!-- comandos da impressora -->\r\n"
    "<COMANDOS>\r\n"
    " <GRUPO><NOME>Configura&#231;&#227;o &amp; Leitura</NOME>\r\n"
    "  <COMANDO><NOME>Ler Relogio</NOME><NUMERO>0001</NUMERO>\r\n"
    "   <EXTENSAO><VALOR>0000</VALOR><DESCRICAO>Padrao</DESCRICAO></EXTENSAO>\r\n"
    "   <EXTENSAO><VALOR>0001</VALOR><DESCRICAO><![CDATA[Com <data>]]></DESCRICAO></EXTENSAO>\r\n"
    "   <CAMPO><DESCRICAO>RESERVADO</DESCRICAO><DEFAULT>00</DEFAULT></CAMPO>\r\n"
    "   <CAMPO><DESCRICAO>Formato</DESCRICAO><DEFAULT>&quot;x&quot;</DEFAULT></CAMPO>\r\n"
    "   <RETORNO><DESCRICAO>Data</DESCRICAO></RETORNO>\r\n"
    "   <RETORNO><DESCRICAO>Hora</DESCRICAO></RETORNO>\r\n"
    "  </COMANDO>\r\n"
    "  <COMANDO><NOME>Sem Campos</NOME><NUMERO>0002</NUMERO></COMANDO>\r\n"
    " </GRUPO>\r\n"
    " <GRUPO><NOME>Segundo</NOME><COMANDO><NOME>Outro</NOME><NUMERO>AB</NUMERO></COMANDO></"
    "GRUPO>\r\n"
    "</COMANDOS>\r\n"
    "trailing text is ignored <";

TEST_F(DictionaryLoad, ReadsGroupsCommandsExtensionsFieldsAndResponses) {
    ASSERT_TRUE(load(kSample));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(SlotText(table->groups[0].name), "Configura&#231;&#227;o & Leitura");
    const CommandEntry& clock = command(0, 0);
    EXPECT_EQ(SlotText(clock.name), "Ler Relogio");
    EXPECT_EQ(SlotText(clock.code), "0001");
    ASSERT_EQ(clock.extensionCount, 2);
    EXPECT_EQ(SlotText(clock.extensions[0].code), "0000");
    EXPECT_EQ(SlotText(clock.extensions[0].description), "Padrao");
    EXPECT_EQ(SlotText(clock.extensions[1].description), "Com <data>");
    ASSERT_EQ(clock.fieldCount, 2);
    EXPECT_EQ(SlotText(clock.fieldDescriptions[0]), kReservedField);
    EXPECT_EQ(SlotText(clock.fieldDefaults[0]), "00");
    EXPECT_EQ(SlotText(clock.fieldDefaults[1]), "\"x\"");
    ASSERT_EQ(clock.responseCount, 2);
    EXPECT_EQ(SlotText(clock.responseDescriptions[1]), "Hora");

    const CommandEntry& bare = command(0, 1);
    EXPECT_EQ(SlotText(bare.code), "0002");
    EXPECT_EQ(bare.fieldCount + bare.extensionCount + bare.responseCount, 0);
    EXPECT_EQ(SlotText(table->groups[1].name), "Segundo");
    EXPECT_EQ(SlotText(command(1, 0).code), "AB");
    EXPECT_TRUE(IsAllZero(&table->groups[2], sizeof(CommandGroup) * (kMaxGroups - 2)));
    EXPECT_TRUE(IsAllZero(&table->groups[0].commands[2],
                          sizeof(CommandEntry) * (kMaxCommandsPerGroup - 2)));
}

TEST_F(DictionaryLoad, MissingFileFailsWithTheTableCleared) {
    std::memset(static_cast<void*>(table.get()), 'x', sizeof(CommandDictionary));
    EXPECT_FALSE(LoadCommandDictionary(directory, prompts, *table));
    EXPECT_TRUE(IsAllZero(table.get(), sizeof(CommandDictionary)));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(DictionaryLoad, ParseErrorIsShownPlainlyAndLoadingStillSucceeds) {
    std::memset(static_cast<void*>(table.get()), 'x', sizeof(CommandDictionary));
    // Element names are Windows-1252 bytes; the message reaches the prompts as UTF-8.
    ASSERT_TRUE(load("<COMANDOS><GRUPO><NOME>A</NOME></GRUP\xC7\xC3O></COMANDOS>"));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "");
    EXPECT_EQ(prompts.messages[0].text, "End tag does not correspond to GRUPO");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::None);
    EXPECT_TRUE(IsAllZero(table.get(), sizeof(CommandDictionary)));

    ASSERT_TRUE(load("<COMANDOS><A\xC7\xC3O>x</COMANDOS>"));
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1].text, "End tag does not correspond to A\xC3\x87\xC3\x83O");
}

TEST_F(DictionaryLoad, ElementsOutOfOrderAreLost) {
    ASSERT_TRUE(load("<COMANDOS>"
                     "<GRUPO><COMANDO><NOME>Lost</NOME><NUMERO>0009</NUMERO></COMANDO>"
                     "<NOME>G</NOME><COMANDO><NUMERO>0001</NUMERO></COMANDO></GRUPO>"
                     "<GRUPO><NOME>H</NOME><COMANDO><NOME>R</NOME><NUMERO>0002</NUMERO>"
                     "<RETORNO><DESCRICAO>r1</DESCRICAO></RETORNO>"
                     "<CAMPO><DESCRICAO>c1</DESCRICAO><DEFAULT>d1</DEFAULT></CAMPO>"
                     "<EXTENSAO><VALOR>0000</VALOR></EXTENSAO>"
                     "</COMANDO>"
                     "<COMANDO><NOME>NoCode</NOME><CAMPO><DESCRICAO>x</DESCRICAO></CAMPO></COMANDO>"
                     "<COMANDO><NUMERO>0004</NUMERO><NOME>Late</NOME></COMANDO>"
                     "<COMANDO><NOME>Fields</NOME><NUMERO>0003</NUMERO>"
                     "<CAMPO><DEFAULT>d</DEFAULT><DESCRICAO>desc</DESCRICAO></CAMPO>"
                     "<CAMPO><DEFAULT>no description</DEFAULT></CAMPO>"
                     "<CAMPO><DESCRICAO>second</DESCRICAO><DEFAULT>2</DEFAULT></CAMPO>"
                     "</COMANDO></GRUPO></COMANDOS>"));
    // Commands before the group's NOME are not seen; the first command after it takes slot 0.
    EXPECT_EQ(SlotText(table->groups[0].name), "G");
    EXPECT_EQ(SlotText(command(0, 0).code), "0001");
    EXPECT_EQ(SlotText(command(0, 0).name), "");
    EXPECT_EQ(SlotText(command(0, 1).code), "");

    // An EXTENSAO placed last moves every later search past the fields and responses.
    const CommandEntry& r = command(1, 0);
    EXPECT_EQ(r.extensionCount, 1);
    EXPECT_EQ(r.fieldCount, 0) << "fields are searched after the last extension";
    EXPECT_EQ(r.responseCount, 0);

    const CommandEntry& noCode = command(1, 1);
    EXPECT_EQ(SlotText(noCode.name), "NoCode");
    EXPECT_EQ(noCode.fieldCount, 0);

    // NUMERO before NOME is not seen, and the command keeps no details.
    const CommandEntry& named = command(1, 2);
    EXPECT_EQ(SlotText(named.name), "Late");
    EXPECT_EQ(SlotText(named.code), "");

    // A DEFAULT before DESCRICAO is not seen; a CAMPO without DESCRICAO does not count.
    const CommandEntry& late = command(1, 3);
    EXPECT_EQ(SlotText(late.code), "0003");
    ASSERT_EQ(late.fieldCount, 2);
    EXPECT_EQ(SlotText(late.fieldDescriptions[0]), "desc");
    EXPECT_EQ(SlotText(late.fieldDefaults[0]), "");
    EXPECT_EQ(SlotText(late.fieldDescriptions[1]), "second");
    EXPECT_EQ(SlotText(late.fieldDefaults[1]), "2");
}

TEST_F(DictionaryLoad, ResponsesBeforeFieldsAreLostButFieldsAreKept) {
    ASSERT_TRUE(load("<COMANDOS><GRUPO><NOME>G</NOME><COMANDO><NOME>C</NOME><NUMERO>0001</NUMERO>"
                     "<RETORNO><DESCRICAO>r1</DESCRICAO></RETORNO>"
                     "<CAMPO><DESCRICAO>c1</DESCRICAO><DEFAULT>d1</DEFAULT></CAMPO>"
                     "</COMANDO></GRUPO></COMANDOS>"));
    EXPECT_EQ(command(0, 0).fieldCount, 1);
    EXPECT_EQ(command(0, 0).responseCount, 0);
}

std::string Repeat(char c, std::size_t count) {
    return std::string(count, c);
}

std::string OverfullFile() {
    const std::string longText = Repeat('L', 80);
    std::string command = "<COMANDO><NOME>" + longText + "</NOME><NUMERO>ABCDEF</NUMERO>";
    for (int i = 0; i < kMaxExtensions + 1; ++i) {
        command += "<EXTENSAO><VALOR>E" + std::to_string(i) + "</VALOR><DESCRICAO>" + longText +
                   "</DESCRICAO></EXTENSAO>";
    }
    for (int i = 0; i < kMaxFields + 1; ++i) {
        command += "<CAMPO><DESCRICAO>F" + std::to_string(i) + "</DESCRICAO><DEFAULT>" + longText +
                   "</DEFAULT></CAMPO>";
    }
    for (int i = 0; i < kMaxResponses + 1; ++i) {
        command += "<RETORNO><DESCRICAO>R" + std::to_string(i) + "</DESCRICAO></RETORNO>";
    }
    command += "</COMANDO>";
    std::string text = "<COMANDOS>";
    for (int g = 0; g < kMaxGroups + 1; ++g) {
        text += "<GRUPO><NOME>G" + std::to_string(g) + longText + "</NOME>";
        for (int c = 0; c < kMaxCommandsPerGroup + 1; ++c) {
            text += command;
        }
        text += "</GRUPO>";
    }
    return text + "</COMANDOS>";
}

TEST_F(DictionaryLoad, EntriesBeyondCapacityAreIgnoredAndLongTextsCut) {
    ASSERT_TRUE(load(OverfullFile()));
    for (int g = 0; g < kMaxGroups; ++g) {
        const std::string name(SlotText(table->groups[g].name));
        EXPECT_EQ(name.size(), kTextSlot - 1);
        EXPECT_EQ(name.substr(0, 1 + std::to_string(g).size()), "G" + std::to_string(g));
        for (int c = 0; c < kMaxCommandsPerGroup; ++c) {
            const CommandEntry& entry = command(g, c);
            ASSERT_EQ(SlotText(entry.code), "ABCD");
            ASSERT_EQ(SlotText(entry.name), Repeat('L', kTextSlot - 1));
            ASSERT_EQ(entry.extensionCount, kMaxExtensions);
            ASSERT_EQ(entry.fieldCount, kMaxFields);
            ASSERT_EQ(entry.responseCount, kMaxResponses);
            ASSERT_EQ(SlotText(entry.extensions[kMaxExtensions - 1].code), "E7");
            ASSERT_EQ(SlotText(entry.fieldDescriptions[kMaxFields - 1]), "F14");
            ASSERT_EQ(SlotText(entry.fieldDefaults[kMaxFields - 1]), Repeat('L', kTextSlot - 1));
            ASSERT_EQ(SlotText(entry.responseDescriptions[0]), "R0");
            ASSERT_EQ(SlotText(entry.responseDescriptions[kMaxResponses - 1]), "R29");
        }
    }
}

} // namespace
} // namespace morvelan::test
