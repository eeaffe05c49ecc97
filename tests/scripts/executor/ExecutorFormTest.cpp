// The executor form driven through its buttons, over the real engine and the scripted library.
#include "EngineFixture.h"
#include "EngineFormServices.h"
#include "gui/forms/executor/CRightView_06_02.h"
#include "gui/forms/executor/ExecutorForms.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>

#include <fstream>

namespace morvelan::test {
namespace {

class ExecutorForm : public EngineFixture {
protected:
    ExecutorForm() {
        FakeLibrary::script.printerData.text = printerDataWithModel("QP-R4100 MKIII");
        detect();
        FormRegistry registry;
        registerExecutorForms(registry);
        const FormEntry* entry = registry.find(9, 2);
        EXPECT_NE(entry, nullptr);
        FormContext context{services, 9, 2, FormMode::Plain, {}, true};
        form.reset(static_cast<CRightView_06_02*>(entry->create(context)));
    }

    void click(const char* name) {
        form->findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
    QTextEdit* output() const { return form->findChild<QTextEdit*>(QStringLiteral("output")); }

    EngineFormServices services{*engine};
    std::unique_ptr<CRightView_06_02> form;
};

TEST_F(ExecutorForm, ExecuteWithoutAScriptSaysSo) {
    click("executeButton");
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].title, "Alerta Morvelan");
    EXPECT_EQ(prompts.messages[0].text, "Não existe nenhum script selecionado.");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Error);
    EXPECT_EQ(FakeLibrary::count("Send_From_FileEX"), 0);
}

TEST_F(ExecutorForm, SelectingListsTheScriptAndExecutingColoursTheLog) {
    const std::string path = dir.file("a.SEQ");
    std::ofstream(path, std::ios::binary) << "0001|0000\r\n\r\n\n//fim\r\n";
    prompts.files.push_back(path);
    click("selectButton");
    EXPECT_EQ(prompts.messages.at(0).title, "Arquivos Script (*.SEQ)|*.SEQ||");
    EXPECT_EQ(form->findChild<QLineEdit*>(QStringLiteral("scriptPath"))->text().toStdString(),
              path);
    EXPECT_EQ(output()->toPlainText(), QStringLiteral("0001|0000\n//fim\n"));

    FakeLibrary::script.statuses = {{0, kHealthyStatus}, {0, "000000000000C0800001"}};
    FakeLibrary::script.messages["0001"] = "Comando desconhecido.";
    click("executeButton");
    const QStringList lines = output()->toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[3], QStringLiteral("Comando: 0001|0000"));
    EXPECT_EQ(lines[4], QStringLiteral("Resposta: ( 0001 ) - Comando desconhecido."));
    // The response is red, and so is the empty line after it; the command line black.
    const auto colourOf = [this](int block) {
        return output()
            ->document()
            ->findBlockByNumber(block)
            .begin()
            .fragment()
            .charFormat()
            .foreground()
            .color();
    };
    EXPECT_EQ(colourOf(3), QColor(0, 0, 0));
    EXPECT_EQ(colourOf(4), QColor(255, 0, 0));
    EXPECT_EQ(form->log().substr(0, 83), std::string(83, '='));
}

TEST_F(ExecutorForm, TheTickBoxEndsTheRunAtItsFirstError) {
    const std::string path = dir.file("c.SEQ");
    std::ofstream(path, std::ios::binary) << "0001|0000\r\n0002|0000\r\n";
    prompts.files.push_back(path);
    click("selectButton");
    auto* box = form->findChild<QCheckBox*>(QStringLiteral("stopOnErrorBox"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("Parar no primeiro erro"));
    box->click();
    FakeLibrary::script.statuses = {{0, kHealthyStatus}, {0, "000000000000C0800001"}};
    FakeLibrary::script.messages["0001"] = "Comando desconhecido.";
    click("executeButton");
    EXPECT_EQ(FakeLibrary::callsTo("Send_From_FileEX").size(), 1U);
    EXPECT_NE(form->log().find("Resposta: ( 0001 ) - Comando desconhecido.\r\n\r\nExecução "
                               "interrompida no primeiro erro: linha 1, comando [ 0001|0000 ], "
                               "resposta ( 0001 ) - Comando desconhecido.\r\n"),
              std::string::npos)
        << form->log();
}

TEST_F(ExecutorForm, AScriptWithFindingsRunsOnlyWhenTheTechnicianSaysSo) {
    std::ofstream(dir.file("comandos.xml"))
        << "<COMANDOS><GRUPO><NOME>G</NOME><COMANDO><NOME>Ler</NOME><NUMERO>0001</NUMERO>"
           "<EXTENSAO><VALOR>0000</VALOR><DESCRICAO></DESCRICAO></EXTENSAO></COMANDO></GRUPO>"
           "</COMANDOS>";
    const std::string path = dir.file("f.SEQ");
    std::ofstream(path, std::ios::binary) << "0001|0000\r\n0002|0000\r\n";
    prompts.files.push_back(path);
    click("selectButton");
    prompts.answers = {false, true};
    click("executeButton");
    EXPECT_EQ(prompts.messages.back().kind, "yesno");
    EXPECT_EQ(prompts.messages.back().text,
              "1 problema encontrado no script.\n\nLinha 2: 0002|0000\n    O comando \"0002\" não "
              "existe no dicionário de comandos.\n\nExecutar o script mesmo assim?");
    EXPECT_EQ(FakeLibrary::count("Send_From_FileEX"), 0);
    click("executeButton");
    EXPECT_EQ(FakeLibrary::count("Send_From_FileEX"), 2);
}

TEST_F(ExecutorForm, ADamagedDictionaryIsReportedOnceAndTheScriptStillRuns) {
    std::ofstream(dir.file("comandos.xml")) << "<COMANDOS><GRUPO><NOME>G</NOME>";
    const std::string path = dir.file("d.SEQ");
    std::ofstream(path, std::ios::binary) << "0001|0000\r\n";
    prompts.files.push_back(path);
    click("selectButton");
    const std::size_t before = prompts.messages.size();
    click("executeButton");
    // The reader's message on the damaged file, and nothing else.
    ASSERT_EQ(prompts.messages.size(), before + 1);
    EXPECT_EQ(prompts.messages.back().kind, "message");
    EXPECT_NE(prompts.messages.back().text.find("GRUPO"), std::string::npos)
        << prompts.messages.back().text;
    EXPECT_EQ(FakeLibrary::count("Send_From_FileEX"), 1);
}

TEST_F(ExecutorForm, CancelledSelectionForgetsTheScript) {
    const std::string path = dir.file("b.SEQ");
    std::ofstream(path) << "0001|0000\n";
    prompts.files = {path, std::nullopt};
    click("selectButton");
    click("selectButton");
    EXPECT_TRUE(form->scriptPath().empty());
    click("executeButton");
    EXPECT_EQ(prompts.messages.back().text, "Não existe nenhum script selecionado.");
}

} // namespace
} // namespace morvelan::test
