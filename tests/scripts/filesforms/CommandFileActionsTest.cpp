// The type-10 work of the command file forms over real files: byte for byte what each action
// writes, and that every refusal or failure is told and leaves the working file as it was.
#include "core/base/CommandFileActions.h"
#include "TempDir.h"
#include "TestDoubles.h"
#include "core/base/CommandFile.h"
#include "core/base/CommandFileCheck.h"
#include "core/base/CommandFileLayout.h"
#include "core/base/TextTrim.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace morvelan::test {
namespace {

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A command file named `identification` whose blocks are all filled.
std::string commandFile(const std::string& identification) {
    std::string bytes(kCommandFileSize, '\0');
    for (const CommandFileBlock& block : kCommandFileBlocks)
        for (std::size_t i = 0; i < block.size; ++i)
            bytes[block.offset + i] = static_cast<char>('A' + (block.offset + i) % 26);
    bytes.replace(0, identification.size(), identification);
    return bytes;
}

TEST(CommandFileCheck, AcceptsOnlyWholeCommandFilesOfThisProgram) {
    EXPECT_EQ(commandFileFault(commandFile("Loja \xC1gua")), std::nullopt);
    EXPECT_EQ(commandFileFault(std::string(kCommandFileSize, '\0')), std::nullopt);

    std::string noTerminator = commandFile("");
    noTerminator.replace(0, 1024, std::string(1024, 'x'));
    std::string control = commandFile("Loja\x01");
    const std::pair<std::string, std::string> refused[] = {
        {"", "O arquivo tem 0 bytes; um arquivo de comandos tem 10184 bytes."},
        {commandFile("x").substr(0, 10183),
         "O arquivo tem 10183 bytes; um arquivo de comandos tem 10184 bytes."},
        {commandFile("x") + '\0',
         "O arquivo tem 10185 bytes; um arquivo de comandos tem 10184 bytes."},
        {noTerminator, "A identificação do arquivo está danificada."},
        {control, "A identificação do arquivo está danificada."},
    };
    for (const auto& [bytes, reason] : refused)
        EXPECT_EQ(commandFileFault(bytes), reason) << bytes.size();

    // Any byte in a reserved area marks a file another program wrote.
    for (const std::size_t offset : {1538U, 1543U, 5555U, 6246U, 7108U, 10183U}) {
        std::string foreign = commandFile("x");
        foreign[offset] = '\x7F';
        EXPECT_EQ(commandFileFault(foreign),
                  "O conteúdo do arquivo não é o de um arquivo de comandos.")
            << offset;
    }
}

TEST(Trimmed, RemovesBlanksAtBothEndsOnly) {
    EXPECT_EQ(trimmed(" \t a b \r\n"), "a b");
    EXPECT_EQ(trimmed(" \t\n "), "");
    EXPECT_EQ(trimmed("x"), "x");
}

class FileActions : public ::testing::Test {
protected:
    FileActions() : store(path, dir.path(), prompts, frame) {
        writeBytes(working(), commandFile("Trabalho"));
    }

    std::string working() const { return dir.file("default.cmd"); }
    const PromptCall& lastMessage() const { return prompts.messages.back(); }
    void expectOnlyMessage(const std::string& title, const std::string& text, PromptIcon icon) {
        ASSERT_EQ(prompts.messages.size(), 1U);
        EXPECT_EQ(prompts.messages[0].title, title);
        EXPECT_EQ(prompts.messages[0].text, text);
        EXPECT_EQ(prompts.messages[0].icon, icon);
    }

    TempDir dir;
    std::string path;
    RecordingPrompts prompts;
    RecordingFrame frame;
    CommandFileStore store;
};

TEST_F(FileActions, LoadCopiesTheChosenFileOverTheWorkingFile) {
    const std::string chosen = commandFile("Loja Centro");
    writeBytes(dir.file("loja.cmd"), chosen);
    EXPECT_TRUE(loadCommandFile(dir.file("loja.cmd"), store, prompts));
    EXPECT_EQ(fileBytes(working()), chosen);
    EXPECT_EQ(fileBytes(dir.file("loja.cmd")), chosen);
    EXPECT_EQ(frame.titles.back(), "Morvelan .: Loja Centro :.");
    expectOnlyMessage("Alerta Morvelan", "Arquivo carregado com sucesso!", PromptIcon::Information);
}

TEST_F(FileActions, LoadingAnUnnamedFileGivesTheUnnamedTitle) {
    writeBytes(dir.file("semnome.cmd"), commandFile(""));
    EXPECT_TRUE(loadCommandFile(dir.file("semnome.cmd"), store, prompts));
    EXPECT_EQ(frame.titles.back(), "Morvelan .: Arquivo de comando sem nome :.");
}

TEST_F(FileActions, LoadWithoutAPathAsksForOne) {
    EXPECT_FALSE(loadCommandFile("", store, prompts));
    expectOnlyMessage("Alerta Morvelan", "Selecione um arquivo!", PromptIcon::Information);
    EXPECT_EQ(fileBytes(working()), commandFile("Trabalho"));
}

TEST_F(FileActions, LoadRefusesWhatCannotBecomeTheWorkingFile) {
    std::string foreign = commandFile("x");
    foreign[9000] = 'Z';
    writeBytes(dir.file("curto.cmd"), commandFile("x").substr(0, 100));
    writeBytes(dir.file("longo.cmd"), commandFile("x") + "mais");
    writeBytes(dir.file("outro.cmd"), foreign);
    writeBytes(dir.file("id.cmd"), std::string(kCommandFileSize, 'x'));
    const std::pair<std::string, std::string> cases[] = {
        {dir.file("nenhum.cmd"),
         "Não foi possível ler o arquivo de comandos\n" + dir.file("nenhum.cmd")},
        {dir.file("curto.cmd"), "O arquivo\n" + dir.file("curto.cmd") +
                                    "\nnão é um arquivo de comandos válido: O arquivo tem 100 "
                                    "bytes; um arquivo de comandos tem 10184 bytes."},
        {dir.file("longo.cmd"), "tem 10188 bytes"},
        {dir.file("outro.cmd"), "não é o de um arquivo de comandos"},
        {dir.file("id.cmd"), "A identificação do arquivo está danificada."},
        {std::string(1025, 'a'), "O caminho do arquivo tem mais de 1024 caracteres."},
    };
    for (const auto& [chosen, text] : cases) {
        prompts.messages.clear();
        EXPECT_FALSE(loadCommandFile(chosen, store, prompts)) << chosen;
        ASSERT_EQ(prompts.messages.size(), 1U) << chosen;
        EXPECT_EQ(lastMessage().title, "Erro Morvelan");
        EXPECT_EQ(lastMessage().icon, PromptIcon::Error);
        EXPECT_NE(lastMessage().text.find(text), std::string::npos) << lastMessage().text;
        EXPECT_TRUE(lastMessage().text.ends_with("O arquivo de comandos em uso não foi alterado."));
        EXPECT_EQ(fileBytes(working()), commandFile("Trabalho")) << chosen;
    }
}

TEST_F(FileActions, LoadThatCannotReplaceTheWorkingFileSaysSo) {
    writeBytes(dir.file("loja.cmd"), commandFile("Loja"));
    path = dir.file("falta/default.cmd"); // a folder that does not exist
    EXPECT_FALSE(loadCommandFile(dir.file("loja.cmd"), store, prompts));
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(lastMessage().title, "Erro Morvelan");
    EXPECT_EQ(lastMessage().text, "Não foi possível copiar o arquivo\n" + dir.file("loja.cmd") +
                                      "\nsobre o arquivo de comandos em uso.\n\nO arquivo de "
                                      "comandos em uso não foi alterado.");
    EXPECT_EQ(fileBytes(working()), commandFile("Trabalho"));
}

TEST_F(FileActions, NewWritesTheIdentificationAndZerosAndMakesItTheWorkingFile) {
    // Blanks around both fields are dropped; the identification is stored in Windows-1252.
    EXPECT_TRUE(saveCommandFile(SaveKind::NewFile, "  " + dir.file("novo.cmd") + " ",
                                "\tLoja Água ", store, prompts));
    std::string expected(kCommandFileSize, '\0');
    expected.replace(0, 9, "Loja \xC1gua");
    EXPECT_EQ(fileBytes(dir.file("novo.cmd")), expected);
    EXPECT_EQ(fileBytes(working()), expected);
    EXPECT_EQ(frame.titles.back(), "Morvelan .: Loja Água :.");
    expectOnlyMessage("Alerta Morvelan", "Arquivo salvo com sucesso.", PromptIcon::Information);
}

TEST_F(FileActions, SaveAsDiffersFromTheWorkingFileOnlyInTheIdentification) {
    EXPECT_TRUE(saveCommandFile(SaveKind::SaveAs, dir.file("copia.cmd"), "Copia", store, prompts));
    const std::string copy = fileBytes(dir.file("copia.cmd"));
    const std::string original = commandFile("Trabalho");
    ASSERT_EQ(copy.size(), kCommandFileSize);
    EXPECT_EQ(copy.substr(0, 1024), "Copia" + std::string(1019, '\0'));
    EXPECT_EQ(copy.substr(1024), original.substr(1024));
    EXPECT_EQ(fileBytes(working()), original);
    EXPECT_EQ(frame.titles.back(), "Morvelan .: Trabalho :.");
    expectOnlyMessage("Alerta Morvelan", "Arquivo salvo com sucesso.", PromptIcon::Information);
}

TEST_F(FileActions, SaveRefusesMissingFieldsAndWritesNothing) {
    const std::string target = dir.file("x.cmd");
    struct Case {
        std::string path, identification, text;
    } cases[] = {
        {"", "Loja", "Selecione o nome do arquivo e o caminho onde o mesmo será salvo."},
        {"  ", "", "Selecione o nome do arquivo e o caminho onde o mesmo será salvo."},
        {target, " \t ", "Digite uma identificação para o arquivo."},
        {target, "", "Digite uma identificação para o arquivo."},
    };
    for (const SaveKind kind : {SaveKind::NewFile, SaveKind::SaveAs}) {
        for (const Case& c : cases) {
            prompts.messages.clear();
            EXPECT_FALSE(saveCommandFile(kind, c.path, c.identification, store, prompts));
            expectOnlyMessage("Alerta Morvelan", c.text, PromptIcon::Information);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_EQ(fileBytes(working()), commandFile("Trabalho"));
}

TEST_F(FileActions, SaveThatCannotCreateTheFileSaysSoAndKeepsTheWorkingFile) {
    const std::string target = dir.file("falta/novo.cmd");
    for (const SaveKind kind : {SaveKind::NewFile, SaveKind::SaveAs}) {
        prompts.messages.clear();
        EXPECT_FALSE(saveCommandFile(kind, target, "Loja", store, prompts));
        expectOnlyMessage("Erro Morvelan",
                          "Não foi possível criar o arquivo\n" + target +
                              "\n\nO arquivo de comandos em uso não foi alterado.",
                          PromptIcon::Error);
        EXPECT_EQ(fileBytes(working()), commandFile("Trabalho"));
    }
}

TEST_F(FileActions, SaveRefusesFieldsARequestCannotCarry) {
    const std::pair<std::string, std::string> cases[] = {
        {std::string(1025, 'a'), "O caminho do arquivo tem mais de 1024 caracteres."},
        {dir.file("x.cmd"), "A identificação do arquivo tem mais de 1023 caracteres."},
    };
    const std::string longName(1024, 'n');
    for (const auto& [target, text] : cases) {
        prompts.messages.clear();
        const std::string name = target.size() > 1024 ? std::string("Loja") : longName;
        EXPECT_FALSE(saveCommandFile(SaveKind::NewFile, target, name, store, prompts));
        ASSERT_EQ(prompts.messages.size(), 1U);
        EXPECT_TRUE(lastMessage().text.starts_with(text)) << lastMessage().text;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.cmd")));
    EXPECT_TRUE(
        saveCommandFile(SaveKind::NewFile, dir.file("x.cmd"), longName.substr(1), store, prompts));
    EXPECT_EQ(fileBytes(dir.file("x.cmd")).substr(0, 1024), longName.substr(1) + '\0');
}

} // namespace
} // namespace morvelan::test
