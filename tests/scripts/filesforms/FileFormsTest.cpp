// The command file forms driven through their buttons, over the real engine and its working file.
#include "gui/forms/files/FileForms.h"
#include "EngineFixture.h"
#include "EngineFormServices.h"
#include "core/base/CommandFileLayout.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <fstream>
#include <iterator>
#include <memory>

namespace morvelan::test {
namespace {

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string namedFile(const std::string& identification, char fill) {
    std::string bytes(kCommandFileSize, '\0');
    bytes.replace(1544, 1263, std::string(1263, fill)); // the payment methods' block
    bytes.replace(0, identification.size(), identification);
    return bytes;
}

class FileForms : public EngineFixture {
protected:
    FileForms() {
        std::ofstream(working(), std::ios::binary) << namedFile("Trabalho", 'p');
        registerFileForms(registry);
    }

    // The form of code 10.item as the frame creates it, with its initial record.
    void show(int item) {
        const FormEntry* entry = registry.find(10, item);
        ASSERT_NE(entry, nullptr);
        FormContext context{
            services, 10, item, entry->mode, initialRecord(*entry, 10, item, engine->commandFile()),
            true};
        form.reset(entry->create(context));
        EXPECT_EQ(form->objectName().toStdString(), entry->formClass);
    }
    void click(const char* name) {
        form->findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
    QLineEdit* line(const char* name) const {
        return form->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    std::string working() const { return dir.file("default.cmd"); }

    FormRegistry registry;
    EngineFormServices services{*engine};
    std::unique_ptr<QWidget> form;
};

TEST_F(FileForms, OpenChoosesAFileAndLoadsIt) {
    show(1);
    EXPECT_TRUE(line("filePath")->isReadOnly());
    EXPECT_EQ(line("filePath")->text(), QString());

    const std::string chosen = dir.file("loja.cmd");
    std::ofstream(chosen, std::ios::binary) << namedFile("Loja", 'q');
    prompts.files.push_back(chosen);
    click("selectButton");
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].kind, "open");
    EXPECT_EQ(prompts.messages[0].title, "Arquivo de Comandos (*.cmd)|*.cmd||");
    EXPECT_EQ(prompts.messages[0].text, "*.cmd");
    EXPECT_EQ(line("filePath")->text().toStdString(), chosen);

    click("selectButton"); // cancelled: the field keeps its path
    EXPECT_EQ(line("filePath")->text().toStdString(), chosen);

    click("loadButton");
    EXPECT_EQ(prompts.messages.back().text, "Arquivo carregado com sucesso!");
    EXPECT_EQ(fileBytes(working()), namedFile("Loja", 'q'));
    EXPECT_EQ(frame.titles.back(), "Morvelan .: Loja :.");
}

TEST_F(FileForms, OpenRefusesADamagedFileAndKeepsTheWorkingOne) {
    show(1);
    const std::string chosen = dir.file("curto.cmd");
    std::ofstream(chosen, std::ios::binary) << "abc";
    prompts.files.push_back(chosen);
    click("selectButton");
    click("loadButton");
    EXPECT_EQ(prompts.messages.back().title, "Erro Morvelan");
    EXPECT_EQ(fileBytes(working()), namedFile("Trabalho", 'p'));
}

TEST_F(FileForms, NewStartsBlankAndMakesTheNewFileTheWorkingOne) {
    show(2);
    EXPECT_EQ(line("identification")->text(), QString());
    EXPECT_EQ(form->findChildren<QGroupBox*>().at(0)->title(),
              QStringLiteral("Caminho \\ Nome do arquivo"));

    const std::string target = dir.file("novo.cmd");
    prompts.files.push_back(target);
    click("selectButton");
    EXPECT_EQ(prompts.messages.at(0).kind, "save");
    EXPECT_EQ(prompts.messages.at(0).title, "Arquivo de Comandos (*.cmd)|*.cmd||");
    EXPECT_EQ(line("filePath")->text().toStdString(), target);

    line("identification")->setText(QStringLiteral("  Nova Loja "));
    click("saveButton");
    EXPECT_EQ(prompts.messages.back().text, "Arquivo salvo com sucesso.");
    EXPECT_EQ(fileBytes(working()), namedFile("Nova Loja", '\0'));
    EXPECT_EQ(frame.titles.back(), "Morvelan .: Nova Loja :.");

    // Every form now starts from empty values.
    std::array<char, 1263> payments{};
    payments.fill('x');
    engine->commandFile().readCommandFile(6, 7, payments);
    EXPECT_EQ(std::string(payments.data(), payments.size()), std::string(1263, '\0'));
}

TEST_F(FileForms, SaveAsStartsFromTheWorkingIdentificationAndCopiesTheBlocks) {
    show(3);
    EXPECT_EQ(line("identification")->text(), QStringLiteral("Trabalho"));

    click("saveButton"); // no path chosen yet
    EXPECT_EQ(prompts.messages.back().text,
              "Selecione o nome do arquivo e o caminho onde o mesmo será salvo.");

    const std::string target = dir.file("copia.cmd");
    prompts.files.push_back(target);
    click("selectButton");
    EXPECT_EQ(line("identification")->text(), QStringLiteral("Trabalho"));
    line("identification")->setText(QStringLiteral("Cópia"));
    click("saveButton");
    EXPECT_EQ(prompts.messages.back().text, "Arquivo salvo com sucesso.");
    EXPECT_EQ(fileBytes(target), namedFile("C\xF3pia", 'p'));
    EXPECT_EQ(fileBytes(working()), namedFile("Trabalho", 'p'));
    EXPECT_EQ(frame.titles.back(), "Morvelan .: Trabalho :.");
}

} // namespace
} // namespace morvelan::test
