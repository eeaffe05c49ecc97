// The printer a form names, as the technician meets it: picked in the tree of a program just
// started, against the virtual printer; and which forms name it on a tab.
#include "Models.h"
#include "QStringPrinting.h"
#include "VirtualPrinterFrame.h"
#include "core/engine/FunctionNames.h"

#include <QApplication>
#include <QComboBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <memory>

namespace morvelan {
namespace {

struct AppPrinterSelector : test::VirtualPrinterFrame {
    void SetUp() override {
        ASSERT_TRUE(korva::defaultModel().thirdGeneration);
        startOn([](korva::PrinterState& s) { s = korva::freshPrinter(korva::defaultModel()); });
        ASSERT_EQ(frame->engine().detectionNeeded, 1);
    }

    // Picks group.item in the tree and gives the form it shows.
    QWidget* formOf(int group, int item) const {
        return pick(group, item) ? frame->currentForm() : nullptr;
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
        ASSERT_EQ(frame->engine().detectionNeeded, 1);
        QWidget* form = formOf(c.group, c.item);
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

TEST_F(AppPrinterSelector, EveryFormShowsThePrinterTabsItsPartAsksFor) {
    // What each leaf of the tree shows in the mode the tree opens it in: no tab, or one tab per
    // printer named port first (the table forms and those built like them, in read mode) or
    // model first (the taxpayer form, the operator and number settings, the readings).
    enum Tabs { None, PortFirst, ModelFirst };
    const struct {
        int group;
        int item;
        Tabs tabs;
    } forms[] = {
        {1, 1, None},        {2, 1, None},        {3, 1, None},        {3, 2, None},
        {3, 3, None},        {5, 1, None},        {6, 1, None},        {6, 2, None},
        {6, 3, None},        {6, 4, None},        {6, 5, None},        {6, 6, None},
        {6, 7, None},        {6, 8, None},        {6, 9, None},        {6, 10, None},
        {6, 11, None},       {6, 12, None},       {6, 13, ModelFirst}, {6, 15, ModelFirst},
        {6, 16, ModelFirst}, {6, 17, ModelFirst}, {6, 18, ModelFirst}, {7, 1, ModelFirst},
        {7, 2, ModelFirst},  {7, 3, ModelFirst},  {7, 4, PortFirst},   {7, 5, PortFirst},
        {7, 6, ModelFirst},  {7, 7, PortFirst},   {7, 8, PortFirst},   {7, 9, PortFirst},
        {7, 10, PortFirst},  {7, 11, PortFirst},  {7, 12, PortFirst},  {7, 13, ModelFirst},
        {7, 14, PortFirst},  {7, 15, ModelFirst}, {7, 16, ModelFirst}, {7, 17, ModelFirst},
        {7, 18, ModelFirst}, {8, 1, None},        {8, 2, None},        {8, 3, None},
        {8, 4, None},        {8, 5, None},        {9, 1, None},        {9, 2, None},
        {10, 1, None},       {10, 2, None},       {10, 3, None},
    };
    std::size_t leaves = 0;
    for (const auto& group : functionGroups())
        leaves += group.items.size();
    ASSERT_EQ(std::size(forms), leaves) << "every leaf of the tree has its row";

    ASSERT_TRUE(frame->ensurePrinter());
    const auto& engine = frame->engine();
    const QString port = QString::fromStdString(engine.portName[0]);
    const QString model = QString::fromStdString(engine.modelName[0]).trimmed();
    for (const auto& f : forms) {
        SCOPED_TRACE(testing::Message() << f.group << "." << f.item);
        ASSERT_FALSE(itemName(f.group, f.item).empty());
        // The script generator is a dialog over the tree; the pane keeps the empty form.
        if (f.group == 9 && f.item == 1)
            QTimer::singleShot(0, [] {
                if (auto* dialog = QApplication::activeModalWidget())
                    dialog->close();
            });
        QWidget* form = formOf(f.group, f.item);
        ASSERT_NE(form, nullptr);
        auto* tabs = form->findChild<QTabBar*>(QStringLiteral("printerTabs"));
        const int shown = tabs != nullptr && tabs->isVisibleTo(form) ? tabs->count() : 0;
        EXPECT_EQ(shown, f.tabs == None ? 0 : 1);
        if (f.tabs == None || shown != 1)
            continue;
        EXPECT_EQ(tabs->tabText(0), f.tabs == PortFirst ? port + QStringLiteral(" :: ") + model
                                                        : model + QStringLiteral(" :: ") + port);
    }
}

} // namespace
} // namespace morvelan
