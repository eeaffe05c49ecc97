// The settings forms over the engine and the virtual printer: what reaches the printer, what
// comes back, and the guard of an older model that the form could not know when it opened.
#include "EngineFormServices.h"
#include "TestDoubles.h"
#include "VirtualPrinterState.h"
#include "core/features/usersettings/UserSettings.h"
#include "core/modules/CoreModules.h"
#include "gui/forms/usersettings/UserSettingForms.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace morvelan::test {
namespace {

using tables::test::editPrinter;
using tables::test::printer;
using tables::test::resetPrinter;

class SettingFormsPrinter : public ::testing::Test {
protected:
    SettingFormsPrinter()
        : engine(bindLibrary(MORVELAN_LIBRARY_DIR, libraryLogDirectory(dataDir.path())), prompts,
                 frame, programDir.path()),
          services(engine) {
        resetPrinter();
        registerCoreModules(engine);
        registerUserSettingForms(registry);
    }
    std::unique_ptr<QWidget> open(int group, int item) {
        const FormEntry* entry = registry.find(group, item);
        FormContext context{services, group, item, entry->mode,
                            initialRecord(*entry, group, item, engine.commandFile())};
        return std::unique_ptr<QWidget>(entry->create(context));
    }
    template <typename T> static T* child(QWidget* form, const char* name) {
        return form->findChild<T*>(QString::fromLatin1(name));
    }

    TempDir programDir, dataDir;
    RecordingPrompts prompts;
    RecordingFrame frame;
    Engine engine;
    EngineFormServices services;
    FormRegistry registry;
};

TEST_F(SettingFormsPrinter, OperatorIsSentReadBackAndReopensWithTheLastValue) {
    auto form = open(6, 15);
    child<QLineEdit>(form.get(), "operatorName")->setText(QString::fromUtf8("João Caixa"));
    child<QPushButton>(form.get(), "sendButton")->click();
    EXPECT_EQ(printer().operatorName, "João Caixa");

    auto again = open(6, 15);
    EXPECT_EQ(child<QLineEdit>(again.get(), "operatorName")->text(),
              QString::fromUtf8("João Caixa"));
    editPrinter([](korva::PrinterState& s) { s.operatorName = "Maria"; });
    auto reading = open(7, 13);
    EXPECT_TRUE(child<QLineEdit>(reading.get(), "operatorName")->text().isEmpty());
    child<QPushButton>(reading.get(), "readButton")->click();
    EXPECT_EQ(child<QLineEdit>(reading.get(), "operatorName")->text(), QStringLiteral("Maria"));
}

TEST_F(SettingFormsPrinter, RoundingReachesThePrinterAsItsLetters) {
    auto form = open(6, 18);
    child<QComboBox>(form.get(), "rounding")->setCurrentIndex(0);
    child<QComboBox>(form.get(), "ownManufacture")->setCurrentIndex(0);
    child<QPushButton>(form.get(), "sendButton")->click();
    EXPECT_TRUE(printer().rounds);
    EXPECT_TRUE(printer().ownManufacture);
}

TEST_F(SettingFormsPrinter, OlderModelIsRefusedEvenBeforeItWasDetected) {
    editPrinter(
        [](korva::PrinterState& s) { s = korva::factoryState(*korva::findModel("qp-l30")); });
    auto form = open(6, 17);
    child<QComboBox>(form.get(), "quantityDecimals")->setCurrentIndex(0);
    child<QComboBox>(form.get(), "priceDecimals")->setCurrentIndex(1);
    child<QPushButton>(form.get(), "sendButton")->click();
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_EQ(prompts.messages.back().text, fiscal::kMkiiiOnly);
    EXPECT_TRUE(child<QPushButton>(form.get(), "sendButton")->isHidden());
    EXPECT_EQ(printer().quantityDecimals, 3);
    EXPECT_EQ(printer().priceDecimals, 2);
}

} // namespace
} // namespace morvelan::test
