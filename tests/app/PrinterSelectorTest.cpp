// The printer a form names, as the technician meets it: picked in the tree of a program just
// started, against the virtual printer.
#include "Models.h"
#include "QStringPrinting.h"
#include "RecordingPrompts.h"
#include "StateFile.h"
#include "gui/app/CLeftView.h"
#include "gui/app/CMainFrame.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace morvelan {
namespace {

struct AppPrinterSelector : testing::Test {
    QTemporaryDir programDir;
    CMorvelanDoc document;
    test::RecordingPrompts prompts;
    std::unique_ptr<CMainFrame> frame;

    void SetUp() override {
        korva::modifyState(std::getenv("KORVA_SIM_STATE"), [](korva::PrinterState& s) {
            s = korva::freshPrinter(korva::defaultModel());
        });
        ASSERT_TRUE(korva::defaultModel().thirdGeneration);
        start();
    }

    // A program just started: no printer detected yet.
    void start() {
        frame.reset();
        frame = std::make_unique<CMainFrame>(document, prompts, programDir.path().toStdString(),
                                             CMainFrame::libraryInDirectory(MORVELAN_LIBRARY_DIR));
        frame->show();
        ASSERT_EQ(frame->engine().detectionNeeded, 1);
    }

    // Picks group.item in the tree and gives the form it shows.
    QWidget* pick(int group, int item) const {
        auto* tree = frame->functionTree();
        const auto entries = tree->findItems(QStringLiteral("%1.%2 - ")
                                                 .arg(group, 2, 10, QLatin1Char('0'))
                                                 .arg(item, 2, 10, QLatin1Char('0')),
                                             Qt::MatchStartsWith | Qt::MatchRecursive);
        if (entries.size() != 1)
            return nullptr;
        Q_EMIT tree->itemPressed(entries.front(), 0);
        return frame->currentForm();
    }
};

TEST_F(AppPrinterSelector, FirstFormOfAStartKnowsThePrinterAndItsGeneration) {
    // Each form is the first one opened after a start. Its hidden list names the printer, and
    // `option`, when given, is shown only by a form built for a third-generation printer.
    const struct {
        int group;
        int item;
        const char* option;
    } cases[] = {
        {6, 2, "sendTradeName"}, {6, 2, "sendSecondAddress"},
        {5, 1, "printerLine0"},  {6, 7, nullptr},
        {6, 15, nullptr},
    };
    const QString model =
        QString::fromUtf8(korva::defaultModel().model.data(),
                          static_cast<qsizetype>(korva::defaultModel().model.size()));
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.group << "." << c.item);
        start();
        QWidget* form = pick(c.group, c.item);
        ASSERT_NE(form, nullptr);

        auto* list = form->findChild<QComboBox*>(QStringLiteral("printerList"));
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->itemText(0), QStringLiteral("Todas as impressoras"));
        EXPECT_TRUE(list->itemText(1).startsWith(QStringLiteral("Para (")));
        EXPECT_TRUE(list->itemText(1).contains(model)) << list->itemText(1).toStdString();
        if (c.option != nullptr) {
            auto* option = form->findChild<QWidget*>(QString::fromLatin1(c.option));
            ASSERT_NE(option, nullptr) << c.option;
            EXPECT_TRUE(option->isVisibleTo(form)) << c.option;
        }
        EXPECT_TRUE(prompts.messages.empty()) << prompts.messages.front().text;
    }
}

} // namespace
} // namespace morvelan
