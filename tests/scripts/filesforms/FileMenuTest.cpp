// The command file forms reached from the program's own "A&rquivo" menu, with the main window
// and its working file: the registration is what the technician gets.
#include "RecordingPrompts.h"
#include "gui/app/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace morvelan {
namespace {

struct FileMenu : testing::Test {
    FileMenu() {
        std::string image(10184, '\0');
        image.replace(0, 8, "Trabalho");
        std::ofstream(working(), std::ios::binary) << image;
        frame = std::make_unique<CMainFrame>(document, prompts, programDir.path().toStdString(),
                                             [] { return BoundLibrary{}; });
    }
    std::string working() const {
        return programDir.filePath(QStringLiteral("default.cmd")).toStdString();
    }
    QLineEdit* line(const char* name) const {
        return frame->currentForm()->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    void click(const char* name) const {
        frame->currentForm()->findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }

    QTemporaryDir programDir;
    CMorvelanDoc document;
    test::RecordingPrompts prompts;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(FileMenu, EachItemShowsItsFormInItsMode) {
    frame->action(QStringLiteral("fileOpen"))->trigger();
    EXPECT_EQ(frame->currentForm()->objectName(), QStringLiteral("CRightView_08_01"));
    frame->action(QStringLiteral("fileNew"))->trigger();
    EXPECT_EQ(frame->currentForm()->objectName(), QStringLiteral("CRightView_08_02"));
    EXPECT_EQ(line("identification")->text(), QString());
    frame->action(QStringLiteral("fileSaveAs"))->trigger();
    EXPECT_EQ(frame->currentForm()->objectName(), QStringLiteral("CRightView_08_02"));
    EXPECT_EQ(line("identification")->text(), QStringLiteral("Trabalho"));
}

TEST_F(FileMenu, NewThenOpenRenameTheWindow) {
    const std::string created = programDir.filePath(QStringLiteral("novo.cmd")).toStdString();
    frame->action(QStringLiteral("fileNew"))->trigger();
    prompts.files.push_back(created);
    click("selectButton");
    line("identification")->setText(QStringLiteral("Balcão 2"));
    click("saveButton");
    EXPECT_EQ(prompts.messages.back().text, "Arquivo salvo com sucesso.");
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Morvelan .: Balcão 2 :."));

    // Saved back under the first name, then opened: the window follows the working file.
    frame->action(QStringLiteral("fileSaveAs"))->trigger();
    EXPECT_EQ(line("identification")->text(), QStringLiteral("Balcão 2"));
    const std::string copy = programDir.filePath(QStringLiteral("copia.cmd")).toStdString();
    prompts.files.push_back(copy);
    click("selectButton");
    line("identification")->setText(QStringLiteral("Cópia"));
    click("saveButton");
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Morvelan .: Balcão 2 :."));

    frame->action(QStringLiteral("fileOpen"))->trigger();
    prompts.files.push_back(copy);
    click("selectButton");
    click("loadButton");
    EXPECT_EQ(prompts.messages.back().text, "Arquivo carregado com sucesso!");
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Morvelan .: Cópia :."));
}

TEST_F(FileMenu, CompareShowsWhatAChosenFileWouldChangeOverTheWorkingFile) {
    // The working file holds no setting; the chosen one a currency symbol (the block at 1495).
    std::string image(10184, '\0');
    image.replace(1495, 3, "US$");
    const std::string chosen = programDir.filePath(QStringLiteral("outro.cmd")).toStdString();
    std::ofstream(chosen, std::ios::binary) << image;
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* dialog = QApplication::activeModalWidget()) {
            shown = dialog->findChild<QPlainTextEdit*>()->toPlainText();
            dialog->close();
        }
    });
    prompts.files.push_back(chosen);
    frame->action(QStringLiteral("fileCompare"))->trigger();
    EXPECT_TRUE(shown.contains(QString::fromUtf8("O símbolo da moeda [  ] SERÁ SUBSTITUÍDO POR "
                                                 "[ US$ ]")))
        << shown.toStdString();

    std::ofstream(chosen, std::ios::binary | std::ios::trunc) << "curto";
    prompts.files.push_back(chosen);
    frame->action(QStringLiteral("fileCompare"))->trigger();
    EXPECT_EQ(prompts.messages.back().title, kErrorTitle);
    EXPECT_TRUE(prompts.messages.back().text.starts_with("O arquivo " + chosen +
                                                         " não pode ser comparado"));
}

} // namespace
} // namespace morvelan
