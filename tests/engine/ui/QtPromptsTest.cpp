#include "gui/dialogs/QtPrompts.h"
#include "QStringPrinting.h"
#include "gui/dialogs/ProgressCronoDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <thread>

namespace morvelan {
namespace {

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool onUiThread = false;
};

// Answers the next message box that opens by pressing `answer`, remembering what it showed.
void answerNextBox(QMessageBox::StandardButton answer, SeenBox& seen) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                QThread::currentThread() == qApp->thread()};
        box->button(answer)->click();
        timer->deleteLater();
    });
    timer->start(20);
}

// Runs `call` on a worker thread while the user-interface thread keeps its events going.
template <typename Fn> void fromWorker(Fn call) {
    bool finished = false;
    std::thread worker([&] {
        call();
        QMetaObject::invokeMethod(
            qApp, [&] { finished = true; }, Qt::QueuedConnection);
    });
    while (!finished)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    worker.join();
}

TEST(UiQtPrompts, QuestionsFromAWorkerAreAskedOnTheUserInterfaceThread) {
    QtPrompts prompts;
    SeenBox seen;
    bool answer = false;
    answerNextBox(QMessageBox::Yes, seen);
    fromWorker([&] {
        answer = prompts.askYesNo("Alerta Morvelan", "Deseja realmente continuar?",
                                  PromptIcon::Question);
    });
    EXPECT_TRUE(answer);
    EXPECT_TRUE(seen.onUiThread);
    EXPECT_EQ(seen.title, QStringLiteral("Alerta Morvelan"));
    EXPECT_EQ(seen.text, QStringLiteral("Deseja realmente continuar?"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);

    answerNextBox(QMessageBox::Cancel, seen);
    fromWorker(
        [&] { answer = prompts.askOkCancel("Alerta Morvelan", "Confirma?", PromptIcon::Warning); });
    EXPECT_FALSE(answer);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
}

TEST(UiQtPrompts, MessagesOnTheUserInterfaceThreadShowDirectly) {
    QtPrompts prompts;
    SeenBox seen;
    answerNextBox(QMessageBox::Ok, seen);
    prompts.message("Erro Morvelan", "Erro ao Salvar o Arquivo.", PromptIcon::Error);
    EXPECT_EQ(seen.title, QStringLiteral("Erro Morvelan"));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);

    // A box that brings no title (the XML parser's error) is captioned with the program's name.
    QCoreApplication::setApplicationName(QStringLiteral("Morvelan"));
    answerNextBox(QMessageBox::Ok, seen);
    prompts.message("", "End tag of GRUPO element not found", PromptIcon::None);
    EXPECT_EQ(seen.title, QStringLiteral("Morvelan"));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
}

TEST(UiQtPrompts, ScriptChronometerWaitsForTheTechnician) {
    QtPrompts prompts;
    QString shownText;
    bool onUiThread = false;
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [&, timer] {
        auto* dialog = dynamic_cast<ProgressCronoDlg*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        shownText = dialog->findChild<QLabel*>(QStringLiteral("message"))->text();
        onUiThread = QThread::currentThread() == qApp->thread();
        dialog->accept();
        timer->deleteLater();
    });
    timer->start(20);
    fromWorker([&] { prompts.chronometer("( COM1 - QP-L30 )\r\nAguarde a impressão"); });
    EXPECT_TRUE(onUiThread);
    EXPECT_EQ(shownText, QStringLiteral("( COM1 - QP-L30 )\r\nAguarde a impressão"));
}

TEST(UiQtPrompts, FileFiltersInBothForms) {
    EXPECT_EQ(nameFilters("Arquivo Texto (*.txt)"),
              QStringList{QStringLiteral("Arquivo Texto (*.txt)")});
    EXPECT_EQ(nameFilters("Arquivos Script (*.SEQ)|*.SEQ||"),
              QStringList{QStringLiteral("Arquivos Script (*.SEQ)")});
    EXPECT_EQ(nameFilters("A (*.cmd)|*.cmd|B (*.*)|*.*||"),
              (QStringList{QStringLiteral("A (*.cmd)"), QStringLiteral("B (*.*)")}));
    EXPECT_EQ(defaultSuffix("*.SEQ"), QStringLiteral("SEQ"));
    EXPECT_EQ(defaultSuffix(".cmd"), QStringLiteral("cmd"));
    EXPECT_EQ(defaultSuffix("txt"), QStringLiteral("txt"));
}

} // namespace
} // namespace morvelan
