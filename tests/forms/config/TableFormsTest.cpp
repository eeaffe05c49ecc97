// The four table forms as a technician uses them: typing into the rows and pressing the buttons,
// with the engine driving the virtual printer and the questions answered in turn.
#include "EngineFormServices.h"
#include "TestDoubles.h"
#include "VirtualPrinterState.h"
#include "core/engine/Engine.h"
#include "core/features/common/FormRegistry.h"
#include "core/modules/CoreModules.h"
#include "gui/forms/config/CRightView_01_07.h"
#include "gui/forms/config/CRightView_01_08.h"
#include "gui/forms/config/CRightView_01_09.h"
#include "gui/forms/config/CRightView_01_10.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

#include <gtest/gtest.h>

#include <memory>

namespace morvelan {
void registerTableForms(FormRegistry& registry);
}

namespace morvelan::tables::test {
namespace {

using morvelan::test::RecordingFrame;
using morvelan::test::RecordingPrompts;
using morvelan::test::TempDir;
using EngineServices = morvelan::test::EngineFormServices;

class TableForms : public ::testing::Test {
protected:
    TableForms()
        : engine(bindLibrary(MORVELAN_LIBRARY_DIR, libraryLogDirectory(dataDir.path())), prompts,
                 frame, programDir.path()),
          services(engine) {
        resetPrinter();
        registerCoreModules(engine);
        registerTableForms(registry);
    }

    // Creates the form of (group, item) the way switchForm does.
    std::unique_ptr<QWidget> open(int group, int item) {
        const FormEntry* entry = registry.find(group, item);
        if (entry == nullptr) {
            return nullptr;
        }
        FormContext context{services, group, item, entry->mode,
                            initialRecord(*entry, group, item, engine.commandFile())};
        return std::unique_ptr<QWidget>(entry->create(context));
    }

    template <typename T> static T* child(QWidget* form, const QString& name) {
        return form->findChild<T*>(name);
    }
    static QLineEdit* rowText(QWidget* form, int row) {
        return child<QLineEdit>(form, QStringLiteral("row%1Text").arg(row));
    }
    static void click(QWidget* form, const char* button) {
        child<QPushButton>(form, QString::fromLatin1(button))->click();
    }

    TempDir programDir, dataDir;
    RecordingPrompts prompts;
    RecordingFrame frame;
    Engine engine;
    EngineServices services;
    FormRegistry registry;
};

TEST_F(TableForms, PaymentFormSendsWhatWasTypedAndReopensWithIt) {
    auto form = open(6, 7);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), QStringLiteral("CRightView_01_07"));
    EXPECT_EQ(rowText(form.get(), 1)->text(), QStringLiteral("Dinheiro"));
    EXPECT_TRUE(rowText(form.get(), 1)->isReadOnly());
    EXPECT_FALSE(child<QCheckBox>(form.get(), QStringLiteral("row1Linked"))->isEnabled());
    EXPECT_EQ(rowText(form.get(), 2)->maxLength(), 15);
    EXPECT_EQ(child<QPushButton>(form.get(), QStringLiteral("clearButton"))->text(),
              QStringLiteral("&Apagar Tabela Pagamentos Impressora"));

    rowText(form.get(), 3)->setText(QStringLiteral("Cartao"));
    child<QCheckBox>(form.get(), QStringLiteral("row3Linked"))->setChecked(true);
    prompts.answers = {true};
    click(form.get(), "sendButton");
    ASSERT_EQ(printer().payments.size(), 2U)
        << (prompts.messages.empty() ? "" : prompts.messages.back().text);
    EXPECT_EQ(printer().payments[1].number, 3);
    EXPECT_EQ(printer().payments[1].name, "Cartao");
    EXPECT_TRUE(printer().payments[1].linked);

    // The values sent fill the form the next time it is opened from the tree.
    auto again = open(6, 7);
    EXPECT_EQ(rowText(again.get(), 3)->text(), QStringLiteral("Cartao"));
    EXPECT_TRUE(child<QCheckBox>(again.get(), QStringLiteral("row3Linked"))->isChecked());
}

TEST_F(TableForms, ReadOnlyFormOffersNoWayToChangeThePrinter) {
    editPrinter([](korva::PrinterState& s) { s.reports.push_back({2, "Vendas"}); });
    auto form = open(7, 10);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), QStringLiteral("CRightView_01_08"));
    EXPECT_EQ(rowText(form.get(), 2)->text(), QString());
    EXPECT_TRUE(rowText(form.get(), 2)->isReadOnly());
    EXPECT_TRUE(child<QPushButton>(form.get(), QStringLiteral("sendButton"))->isHidden());
    EXPECT_TRUE(child<QPushButton>(form.get(), QStringLiteral("clearButton"))->isHidden());

    click(form.get(), "readButton");
    EXPECT_EQ(rowText(form.get(), 2)->text(), QStringLiteral("Vendas"));
    const auto* tabs = child<QTabBar>(form.get(), QStringLiteral("printerTabs"));
    ASSERT_EQ(tabs->count(), 1);
    EXPECT_EQ(tabs->tabText(0).toStdString(), engine.portName[0] + " :: " + engine.modelName[0]);
}

TEST_F(TableForms, TaxRateWithoutTypeKeepsTheSequenceOnItsStep) {
    auto form = open(6, 9);
    ASSERT_NE(form, nullptr);
    auto* type = child<QComboBox>(form.get(), QStringLiteral("row1Type"));
    EXPECT_EQ(type->currentIndex(), -1);
    EXPECT_EQ(type->itemText(1), QStringLiteral("(S) ISSQN"));
    EXPECT_EQ(rowText(form.get(), 1)->maxLength(), 4);
    rowText(form.get(), 1)->setText(QStringLiteral("1800"));
    click(form.get(), "sendButton");
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].title, "Erro Morvelan");
    EXPECT_EQ(services.sealingCommands, std::vector<int>{2});
    EXPECT_TRUE(printer().taxRates.empty());

    type->setCurrentIndex(0);
    prompts.answers = {true};
    click(form.get(), "sendButton");
    ASSERT_EQ(printer().taxRates.size(), 1U);
    EXPECT_EQ(printer().taxRates[0].code, "Ta");
}

TEST_F(TableForms, ClearButtonAsksAndEmptiesTheTotalizers) {
    editPrinter([](korva::PrinterState& s) { s.nonFiscal.push_back({3, "Recarga"}); });
    auto form = open(6, 10);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(rowText(form.get(), 2)->isReadOnly());
    EXPECT_EQ(rowText(form.get(), 2)->text(), QStringLiteral("Fundo de Troco"));
    prompts.answers = {true};
    click(form.get(), "clearButton");
    EXPECT_EQ(printer().nonFiscal.size(), 2U);
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_EQ(prompts.messages.front().text,
              "Todos os Totalizadores Não Fiscais, exceto ( 01 - Sangria / 02 - Fundo de Troco ) "
              "serão apagados!\n\nDeseja Continuar?");
}

} // namespace
} // namespace morvelan::tables::test
