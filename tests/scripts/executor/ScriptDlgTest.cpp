// CScriptDlg as a technician uses it: the tree, the fields, the list buttons and the files.
#include "EngineFixture.h"
#include "EngineFormServices.h"
#include "gui/forms/generator/CScriptDlg.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace morvelan::test {
namespace {

constexpr const char* kDictionary = R"(<COMANDOS>
<GRUPO><NOME>Leituras</NOME>
<COMANDO><NOME>Ler data e hora</NOME><NUMERO>0002</NUMERO>
<EXTENSAO><VALOR>0000</VALOR><DESCRICAO>Padrao</DESCRICAO></EXTENSAO>
<RETORNO><DESCRICAO>Data</DESCRICAO></RETORNO><RETORNO><DESCRICAO>Hora</DESCRICAO></RETORNO>
</COMANDO></GRUPO>
<GRUPO><NOME>Ajustes</NOME>
<COMANDO><NOME>Ajustar relogio</NOME><NUMERO>0101</NUMERO>
<EXTENSAO><VALOR>0000</VALOR><DESCRICAO></DESCRICAO></EXTENSAO>
<EXTENSAO><VALOR>0001</VALOR><DESCRICAO>Outra</DESCRICAO></EXTENSAO>
<CAMPO><DESCRICAO>RESERVADO</DESCRICAO><DEFAULT>01012000</DEFAULT></CAMPO>
<CAMPO><DESCRICAO>Hora</DESCRICAO><DEFAULT>000001</DEFAULT></CAMPO>
</COMANDO></GRUPO></COMANDOS>
)";

class ScriptDlgTest : public EngineFixture {
protected:
    ScriptDlgTest() {
        std::ofstream(dir.file("comandos.xml")) << kDictionary;
        FakeLibrary::script.printerData.text = printerDataWithModel("QP-R4100 MKIII");
        detect();
        dialog = std::make_unique<CScriptDlg>(services);
    }

    template <typename W = QPushButton> W* child(const char* name) const {
        return dialog->findChild<W*>(QString::fromLatin1(name));
    }
    void click(const char* name) { child(name)->click(); }
    QListWidget* list() const { return child<QListWidget>("scriptList"); }
    void pick(int group, int command) {
        QTreeWidgetItem* root = child<QTreeWidget>("commandTree")->topLevelItem(0);
        child<QTreeWidget>("commandTree")->setCurrentItem(root->child(group)->child(command));
    }
    void select(int row) {
        list()->setCurrentRow(row);
        Q_EMIT list()->itemClicked(list()->item(row));
    }
    std::vector<std::string> shown() const {
        std::vector<std::string> rows;
        for (int i = 0; i < list()->count(); ++i)
            rows.push_back(list()->item(i)->text().toStdString());
        return rows;
    }
    static std::string fileText(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    EngineFormServices services{*engine};
    std::unique_ptr<CScriptDlg> dialog;
};

TEST_F(ScriptDlgTest, TreeAndCommandForm) {
    ASSERT_TRUE(dialog->opened());
    QTreeWidgetItem* root = child<QTreeWidget>("commandTree")->topLevelItem(0);
    EXPECT_EQ(root->text(0), QStringLiteral("Comandos"));
    EXPECT_TRUE(root->isExpanded());
    ASSERT_EQ(root->childCount(), 2);
    EXPECT_EQ(root->child(1)->text(0), QStringLiteral("02 - Ajustes"));
    EXPECT_EQ(root->child(1)->child(0)->text(0), QStringLiteral("02.01 - Ajustar relogio"));

    pick(1, 0);
    EXPECT_FALSE(child<QLineEdit>("field1")->isEnabled()); // RESERVADO
    EXPECT_EQ(child<QLineEdit>("field1")->text(), QStringLiteral("01012000"));
    EXPECT_TRUE(child<QLineEdit>("field2")->isEnabled());
    EXPECT_TRUE(child<QLineEdit>("field3")->isHidden());
    EXPECT_EQ(child<QComboBox>("extension")->itemText(0), QStringLiteral("0000"));
    EXPECT_EQ(child<QComboBox>("extension")->itemText(1), QStringLiteral("0001 - Outra"));
    EXPECT_FALSE(child("defaultsButton")->isHidden());
    pick(0, 0);
    EXPECT_TRUE(child("defaultsButton")->isHidden()); // no fields
}

TEST_F(ScriptDlgTest, AddInsertEditMoveCommentAndUncomment) {
    pick(0, 0);
    click("addButton");
    pick(1, 0);
    child<QLineEdit>("field2")->setText(QStringLiteral("120000"));
    click("addButton");
    EXPECT_EQ(shown(), (std::vector<std::string>{"Ler data e hora - 0002|0000",
                                                 "Ajustar relogio - 0101|0000|01012000|120000"}));
    // A middle line selected: the new line goes after it.
    click("insertCommentButton");
    child<QLineEdit>("comment")->setText(QStringLiteral("nota"));
    list()->setCurrentRow(0);
    click("addButton");
    EXPECT_EQ(shown()[1], "//nota");
    EXPECT_EQ(list()->count(), 3);

    // Editing a command line: its values and extension come back, the edit replaces it.
    select(2);
    EXPECT_EQ(child<QLineEdit>("field2")->text(), QStringLiteral("120000"));
    EXPECT_FALSE(child("saveEditButton")->isHidden());
    child<QComboBox>("extension")->setCurrentIndex(1);
    click("saveEditButton");
    EXPECT_EQ(shown()[2], "Ajustar relogio - 0101|0001|01012000|120000");

    click("upButton");
    EXPECT_EQ(shown()[1], "Ajustar relogio - 0101|0001|01012000|120000");
    EXPECT_EQ(list()->currentRow(), 1);
    select(1);
    click("commentButton");
    EXPECT_EQ(shown()[1], "//0101|0001|01012000|120000");
    select(1);
    click("uncommentButton");
    EXPECT_EQ(shown()[1], "Ajustar relogio - 0101|0001|01012000|120000");
    select(1);
    click("removeButton");
    EXPECT_EQ(shown(), (std::vector<std::string>{"Ler data e hora - 0002|0000", "//nota"}));
}

TEST_F(ScriptDlgTest, TypingACodeOrNameOffersTheCommandsAndTheChoiceEditsTheLine) {
    pick(0, 0);
    click("addButton");
    select(0);
    auto* box = child<QLineEdit>("commandBox");
    auto* completer = child<QCompleter>("commandCompleter");
    EXPECT_EQ(box->text(), QStringLiteral("0002 - Ler data e hora"));
    EXPECT_EQ(child<QLabel>("fieldCount")->text(), QStringLiteral("0 campo(s)"));

    const auto offered = [&](const QString& typed) {
        box->setText(typed);
        Q_EMIT box->textEdited(typed);
        QStringList texts;
        for (int row = 0; row < completer->completionModel()->rowCount(); ++row)
            texts << completer->completionModel()->index(row, 0).data().toString();
        return texts;
    };
    const std::pair<const char*, QStringList> cases[] = {
        {"01", {QStringLiteral("0101 - Ajustar relogio")}},
        {"aj", {QStringLiteral("0101 - Ajustar relogio")}},
        {"LER", {QStringLiteral("0002 - Ler data e hora")}},
        {"0", {QStringLiteral("0002 - Ler data e hora"), QStringLiteral("0101 - Ajustar relogio")}},
        {"relogio", {}}, // the middle of a name is not its start
    };
    for (const auto& [typed, commands] : cases)
        EXPECT_EQ(offered(QString::fromLatin1(typed)), commands) << typed;

    // The choice shows its fields with their count, and the edit of the line goes on with it.
    offered(QStringLiteral("aj"));
    Q_EMIT completer->activated(completer->completionModel()->index(0, 0));
    EXPECT_EQ(box->text(), QStringLiteral("0101 - Ajustar relogio"));
    EXPECT_EQ(child<QLabel>("fieldCount")->text(), QStringLiteral("2 campo(s)"));
    EXPECT_EQ(child<QLineEdit>("field2")->text(), QStringLiteral("000001"));
    click("saveEditButton");
    EXPECT_EQ(shown(), std::vector<std::string>{"Ajustar relogio - 0101|0000|01012000|000001"});

    // A code typed whole and Enter choose the one command it names.
    offered(QStringLiteral("0002"));
    Q_EMIT box->returnPressed();
    EXPECT_EQ(child<QLabel>("fieldCount")->text(), QStringLiteral("0 campo(s)"));
    click("saveEditButton");
    EXPECT_EQ(shown(), std::vector<std::string>{"Ler data e hora - 0002|0000"});
}

TEST_F(ScriptDlgTest, SaveAndLoadStripAndRestoreDisplayNames) {
    pick(0, 0);
    click("addButton");
    click("insertCommentButton");
    child<QLineEdit>("comment")->setText(QStringLiteral("fim"));
    click("addButton");
    const std::string path = dir.file("s.SEQ");
    prompts.files.push_back(path);
    click("saveButton");
    EXPECT_EQ(fileText(path), "0002|0000\r\n//fim\r\n");
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(prompts.messages.back().text, "Arquivo Salvo com Sucesso.");
    EXPECT_EQ(dialog->windowTitle().toStdString(), kNoScriptTitle);

    std::ofstream(path, std::ios::binary) << "0002|0000\r\n\r\n0abc|0000\r\n<FINAL DE LOOP - [5] "
                                             "Repeti\xE7\xF5"
                                             "es>\r\n";
    prompts.files.push_back(path);
    click("loadButton");
    EXPECT_EQ(shown(), (std::vector<std::string>{"Ler data e hora - 0002|0000",
                                                 "<FINAL DE LOOP - [5] Repetições>"}));
    ASSERT_GE(prompts.messages.size(), 2U);
    EXPECT_EQ(prompts.messages[prompts.messages.size() - 2].text, "Comando [ 0ABC ] não mapeado");
    EXPECT_EQ(prompts.messages.back().text, "Arquivo Carregado com Sucesso.");
    EXPECT_EQ(dialog->windowTitle().toStdString(),
              "Gerador / Editor de Script - " + path + " - (pressione F1 para ajuda)");

    // The loop count is edited in the first field.
    select(1);
    EXPECT_EQ(child<QLabel>("fieldLabel1")->text(), QStringLiteral("Quantidade de repetições:"));
    EXPECT_EQ(child<QLineEdit>("field1")->text(), QStringLiteral("5"));
    child<QLineEdit>("field1")->setText(QStringLiteral("7"));
    click("saveEditButton");
    EXPECT_EQ(shown()[1], "<FINAL DE LOOP - [7] Repetições>");
    click("addButton");
    EXPECT_EQ(prompts.messages.back().text, "Não existe nenhum Loop aberto.");
}

TEST_F(ScriptDlgTest, ExecuteRunsTheLoadedFileOrAsksForANameAfterAChange) {
    const std::string path = dir.file("r.SEQ");
    std::ofstream(path, std::ios::binary) << "0002|0000\r\n";
    prompts.files.push_back(path);
    click("loadButton");
    const std::size_t before = prompts.messages.size();
    click("executeButton");
    EXPECT_EQ(prompts.messages.size(), before); // no save dialog
    EXPECT_TRUE(dialog->editor().log().starts_with(std::string(83, '=')));

    click("clearButton");
    prompts.files.push_back(std::nullopt); // the save dialog is cancelled: the old file runs
    click("executeButton");
    EXPECT_EQ(prompts.messages.back().kind, "save");
    EXPECT_EQ(FakeLibrary::count("Send_From_FileEX"), 2);
}

TEST_F(ScriptDlgTest, CheckNamesEachFindingOfTheListOrSaysItIsClean) {
    pick(1, 0);
    click("addButton");
    click("checkButton");
    EXPECT_EQ(prompts.messages.back().title, "Alerta Morvelan");
    EXPECT_EQ(prompts.messages.back().text, "Nenhum problema encontrado no script.");
    EXPECT_EQ(prompts.messages.back().icon, PromptIcon::Information);

    // A reserved field cannot be edited in the form, but a file can hold one edited.
    const std::string path = dir.file("c.SEQ");
    std::ofstream(path, std::ios::binary) << "0101|0000|31122000|000001\r\n<INICIO DE LOOP>\r\n";
    prompts.files.push_back(path);
    click("loadButton");
    select(0);
    click("checkButton");
    EXPECT_EQ(prompts.messages.back().text,
              "2 problemas encontrados no script.\n\nLinha 1: 0101|0000|31122000|000001\n    O "
              "campo 1 do comando 0101 (Ajustar relogio) é RESERVADO e fica \"01012000\", não "
              "\"31122000\".\n\nLinha 2: <INICIO DE LOOP>\n    Loop sem final: falta \"<FINAL DE "
              "LOOP - [n] Repetições>\" depois de \"<INICIO DE LOOP>\".");
    EXPECT_EQ(prompts.messages.back().icon, PromptIcon::Warning);
    EXPECT_EQ(list()->currentRow(), 0) << "the selection stays";
}

TEST_F(ScriptDlgTest, SendingOneCommandAnswersWithItsNamedFieldsOrItsError) {
    pick(0, 0);
    FakeLibrary::script.texts["Send_From_FileEX"] = "01012026||120000";
    click("sendButton");
    ASSERT_EQ(FakeLibrary::callsTo("Send_From_FileEX").at(0).args[0], "0002|0000");
    EXPECT_EQ(prompts.messages.back().title, "Alerta Morvelan");
    EXPECT_TRUE(prompts.messages.back().text.starts_with(
        "( COM3 - QP-R4100 MKIII )\n\n\nDados Retornados:\n\nData : 01012026\nHora : 120000\n\n"
        "Estado da Execução do Comando:\n( 0000 ) - Resultado sem erro\n\nEstado dos "
        "Parâmetros:\n"))
        << prompts.messages.back().text;

    FakeLibrary::script.results["Send_From_FileEX"] = 5;
    click("sendButton");
    EXPECT_EQ(prompts.messages.back().title, "Erro Morvelan");
    EXPECT_EQ(prompts.messages.back().icon, PromptIcon::Error);
    EXPECT_EQ(
        prompts.messages.back().text,
        "( COM3 - QP-R4100 MKIII )\n\nErro ao enviar o comando!\n( 0000 ) - Resultado sem erro");
}

TEST_F(ScriptDlgTest, ALineThePrinterCannotTakeAsWrittenIsNeverSent) {
    pick(1, 0);
    child<QLineEdit>("field2")->insert(QStringLiteral("😀"));
    EXPECT_EQ(child<QLineEdit>("field2")->text(), QStringLiteral("000001"));

    // A default holding a byte the code page leaves undefined reaches the field all the same.
    std::string dictionary = kDictionary;
    dictionary.replace(dictionary.find("000001"), 6, "00\x81");
    std::ofstream(dir.file("comandos.xml"), std::ios::binary) << dictionary;
    dialog = std::make_unique<CScriptDlg>(services);
    pick(1, 0);
    click("sendButton");
    EXPECT_EQ(FakeLibrary::count("Send_From_FileEX"), 0);
    EXPECT_EQ(prompts.messages.back().title, "Erro Morvelan");
    EXPECT_EQ(prompts.messages.back().text,
              "Comando [ 0101|0000|01012000|00\xC2\x81 ] não enviado: o caractere U+0081 não "
              "existe no Windows-1252, o código de caracteres da impressora.");
}

TEST_F(ScriptDlgTest, FieldValuesBecomeTheDictionarysDefaults) {
    pick(1, 0);
    child<QLineEdit>("field2")->setText(QStringLiteral("235959"));
    click("defaultsButton");
    EXPECT_EQ(prompts.messages.back().text, "Valor(es) gravado(s) com sucesso.");
    EXPECT_NE(fileText(dir.file("comandos.xml")).find("<DEFAULT>235959</DEFAULT>"),
              std::string::npos);
    std::filesystem::remove(dir.file("comandos.xml"));
    click("defaultsButton");
    EXPECT_EQ(prompts.messages.back().text, "Erro ao gravar os valores no arquivo XML.");
}

TEST_F(ScriptDlgTest, NoScriptAndNoDetailsAreSaid) {
    click("executeButton");
    EXPECT_EQ(prompts.messages.back().text, "Não existe nenhum script carregado.");
    click("detailsButton");
    EXPECT_EQ(prompts.messages.back().text, "Não existem detalhes a serem exibidos.");
    EXPECT_EQ(prompts.messages.back().icon, PromptIcon::Error);
}

} // namespace
} // namespace morvelan::test
