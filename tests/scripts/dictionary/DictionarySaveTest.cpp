#include "DictionaryFixture.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>

#include <sys/resource.h>

namespace morvelan::test {
namespace {

using DictionarySave = DictionaryFixture;

const std::string kFile =
    "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n"
    "<COMANDOS>\r\n"
    "<GRUPO><NOME>Outro</NOME><COMANDO><NOME>Ajustar</NOME><NUMERO>0100</NUMERO>"
    "<CAMPO><DESCRICAO>x</DESCRICAO><DEFAULT>other group</DEFAULT></CAMPO></COMANDO></GRUPO>\r\n"
    "<GRUPO><NOME>Rel\xF3gio</NOME>\r\n"
    "<COMANDO><NOME>Ajustar</NOME><NUMERO>0099</NUMERO>"
    "<CAMPO><DESCRICAO>x</DESCRICAO><DEFAULT>other code</DEFAULT></CAMPO></COMANDO>\r\n"
    "<COMANDO><NOME>Ajustar</NOME><NUMERO>0100</NUMERO>\r\n"
    "<EXTENSAO><VALOR>0000</VALOR><DESCRICAO>Padr\xE3o</DESCRICAO></EXTENSAO>\r\n"
    "<CAMPO><DESCRICAO>Data</DESCRICAO><DEFAULT>01012020</DEFAULT></CAMPO>\r\n"
    "<CAMPO><DESCRICAO>Hora</DESCRICAO><DEFAULT>a longer default value</DEFAULT></CAMPO>\r\n"
    "<CAMPO><DESCRICAO>Marca</DESCRICAO><DEFAULT><![CDATA[<old>]]></DEFAULT></CAMPO>\r\n"
    "<RETORNO><DESCRICAO>Resultado</DESCRICAO></RETORNO>\r\n"
    "</COMANDO>\r\n"
    "<COMANDO><NOME>Depois</NOME><NUMERO>0101</NUMERO>"
    "<CAMPO><DESCRICAO>y</DESCRICAO><DEFAULT>after &amp; intact</DEFAULT></CAMPO></COMANDO>\r\n"
    "</GRUPO>\r\n"
    "</COMANDOS>\r\n";

TEST_F(DictionarySave, WritesTheDefaultsOfTheMatchingCommandOnly) {
    ASSERT_TRUE(load(kFile));
    CommandEntry& adjust = table->groups[1].commands[1];
    ASSERT_EQ(SlotText(adjust.code), "0100");
    SetSlotText(adjust.fieldDefaults[0], "31122024");
    SetSlotText(adjust.fieldDefaults[1], "");
    SetSlotText(adjust.fieldDefaults[2], "<a & 'b' \"c\">\xE7");
    ASSERT_TRUE(SaveCommandDefaults(directory, prompts, 1, 1, *table));
    EXPECT_TRUE(prompts.messages.empty());

    const std::string saved = readFile();
    EXPECT_NE(saved.find("<DEFAULT>&lt;a &amp; &apos;b&apos; &quot;c&quot;&gt;\xE7</DEFAULT>"),
              std::string::npos);
    EXPECT_NE(saved.find("<DEFAULT></DEFAULT>"), std::string::npos);
    EXPECT_EQ(saved.size(),
              kFile.size() - std::string("01012020").size() + 8 -
                  std::string("a longer default value").size() -
                  std::string("<![CDATA[<old>]]>").size() +
                  std::string("&lt;a &amp; &apos;b&apos; &quot;c&quot;&gt;\xE7").size());
    EXPECT_FALSE(std::filesystem::exists(file().string() + ".tmp"));

    auto before = std::make_unique<CommandDictionary>(*table);
    ASSERT_TRUE(LoadCommandDictionary(directory, prompts, *table));
    EXPECT_EQ(std::memcmp(before.get(), table.get(), sizeof(CommandDictionary)), 0)
        << "reloading the saved file gives back exactly the table that was saved";
    EXPECT_EQ(SlotText(table->groups[0].commands[0].fieldDefaults[0]), "other group");
    EXPECT_EQ(SlotText(table->groups[1].commands[0].fieldDefaults[0]), "other code");
    EXPECT_EQ(SlotText(table->groups[1].commands[2].fieldDefaults[0]), "after & intact");
}

TEST_F(DictionarySave, FieldWithoutDefaultDoesNotShiftTheLaterFields) {
    ASSERT_TRUE(load("<COMANDOS><GRUPO><NOME>G</NOME><COMANDO><NOME>C</NOME><NUMERO>0001</NUMERO>"
                     "<CAMPO><DESCRICAO>first</DESCRICAO></CAMPO>"
                     "<CAMPO><DESCRICAO>second</DESCRICAO><DEFAULT>b</DEFAULT></CAMPO>"
                     "<CAMPO><DEFAULT>not a field</DEFAULT></CAMPO>"
                     "<CAMPO><DESCRICAO>third</DESCRICAO><DEFAULT>c</DEFAULT></CAMPO>"
                     "</COMANDO></GRUPO></COMANDOS>"));
    CommandEntry& entry = table->groups[0].commands[0];
    ASSERT_EQ(entry.fieldCount, 3);
    SetSlotText(entry.fieldDefaults[0], "typed for first");
    SetSlotText(entry.fieldDefaults[1], "B");
    SetSlotText(entry.fieldDefaults[2], "C");
    ASSERT_TRUE(SaveCommandDefaults(directory, prompts, 0, 0, *table));
    ASSERT_TRUE(LoadCommandDictionary(directory, prompts, *table));
    const CommandEntry& reloaded = table->groups[0].commands[0];
    EXPECT_EQ(SlotText(reloaded.fieldDefaults[0]), "");
    EXPECT_EQ(SlotText(reloaded.fieldDefaults[1]), "B");
    EXPECT_EQ(SlotText(reloaded.fieldDefaults[2]), "C");
    EXPECT_NE(readFile().find("<DEFAULT>not a field</DEFAULT>"), std::string::npos);
}

TEST_F(DictionarySave, MatchesNamesThatWereCutToTheirSlots) {
    const std::string longName(75, 'N');
    ASSERT_TRUE(load("<COMANDOS><GRUPO><NOME>" + longName + "</NOME><COMANDO><NOME>" + longName +
                     "</NOME><NUMERO>0001</NUMERO><CAMPO><DESCRICAO>d</DESCRICAO>"
                     "<DEFAULT>old</DEFAULT></CAMPO></COMANDO></GRUPO></COMANDOS>"));
    SetSlotText(table->groups[0].commands[0].fieldDefaults[0], "new");
    ASSERT_TRUE(SaveCommandDefaults(directory, prompts, 0, 0, *table));
    EXPECT_NE(readFile().find("<DEFAULT>new</DEFAULT>"), std::string::npos);
}

TEST_F(DictionarySave, ReportsFailureWhenNothingCanBeWritten) {
    EXPECT_FALSE(SaveCommandDefaults(directory, prompts, 0, 0, *table)) << "no file";

    ASSERT_TRUE(load(kFile));
    EXPECT_FALSE(SaveCommandDefaults(directory, prompts, -1, 0, *table));
    EXPECT_FALSE(SaveCommandDefaults(directory, prompts, 0, kMaxCommandsPerGroup, *table));
    EXPECT_FALSE(SaveCommandDefaults(directory, prompts, kMaxGroups, 0, *table));

    // The file changed since it was loaded: the command is no longer there.
    SetSlotText(table->groups[1].commands[1].name, "Renomeado");
    EXPECT_FALSE(SaveCommandDefaults(directory, prompts, 1, 1, *table));
    EXPECT_EQ(readFile(), kFile);

    // A file that no longer parses is reported and left as it is.
    const std::string broken = "<COMANDOS><GRUPO></COMANDOS>";
    writeFile(broken);
    EXPECT_FALSE(SaveCommandDefaults(directory, prompts, 1, 1, *table));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "End tag does not correspond to GRUPO");
    EXPECT_EQ(readFile(), broken);
}

TEST_F(DictionarySave, WriteFailureIsReportedAndTheFileKept) {
    ASSERT_TRUE(load(kFile));
    // A full disk: the new file cannot be written whole.
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = SaveCommandDefaults(directory, prompts, 1, 1, *table);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(readFile(), kFile);
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        EXPECT_EQ(entry.path().filename(), file().filename()) << "left behind";
}

TEST_F(DictionarySave, ReplacesTheLinkedFileKeepingTheLinkAndPermissions) {
    const std::filesystem::path real = directory / "real.xml";
    { std::ofstream(real, std::ios::binary) << kFile; }
    std::filesystem::create_symlink(real, file());
    const auto mode = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                      std::filesystem::perms::group_read;
    std::filesystem::permissions(real, mode);
    ASSERT_TRUE(LoadCommandDictionary(directory, prompts, *table));
    SetSlotText(table->groups[1].commands[1].fieldDefaults[0], "02022022");
    ASSERT_TRUE(SaveCommandDefaults(directory, prompts, 1, 1, *table));
    EXPECT_TRUE(std::filesystem::is_symlink(file()));
    EXPECT_NE(readFile().find("<DEFAULT>02022022</DEFAULT>"), std::string::npos);
    EXPECT_EQ(std::filesystem::status(real).permissions(), mode);
}

// An independent parser must accept the saved file and read back the values written.
TEST_F(DictionarySave, SavedFileIsWellFormedForAnotherParser) {
    ASSERT_TRUE(load(kFile));
    CommandEntry& adjust = table->groups[1].commands[1];
    SetSlotText(adjust.fieldDefaults[0], "]]> & <x/>");
    SetSlotText(adjust.fieldDefaults[2], "\"\xE9'");
    ASSERT_TRUE(SaveCommandDefaults(directory, prompts, 1, 1, *table));

    const std::filesystem::path script = directory / "check.py";
    {
        std::ofstream out(script);
        out << "import sys, xml.etree.ElementTree as ET\n"
               "root = ET.parse(sys.argv[1]).getroot()\n"
               "group = root.findall('GRUPO')[1]\n"
               "command = group.findall('COMANDO')[1]\n"
               "values = [c.find('DEFAULT').text or '' for c in command.findall('CAMPO')]\n"
               "expected = [']]> & <x/>', 'a longer default value', '\"\\u00e9\\'']\n"
               "sys.exit(0 if values == expected else 3)\n";
    }
    const std::string command = "python3 '" + script.string() + "' '" + file().string() + "'";
    const int status = std::system(command.c_str());
    if (WIFEXITED(status) && WEXITSTATUS(status) == 127) {
        GTEST_SKIP() << "python3 is not available";
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: not well-formed; 3: values differ";
}

} // namespace
} // namespace morvelan::test
