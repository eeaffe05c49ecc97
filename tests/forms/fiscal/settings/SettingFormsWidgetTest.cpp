// The settings forms as widgets against scripted services: registration, the guard, the
// presets, the decimal checks, the read mode and the mapping of the printer's answers.
#include "FakeFormServices.h"
#include "core/features/usersettings/UserSettings.h"
#include "gui/forms/usersettings/CRightView_01_14.h"
#include "gui/forms/usersettings/CRightView_01_18.h"
#include "gui/forms/usersettings/CRightView_01_19.h"
#include "gui/forms/usersettings/UserSettingForms.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace morvelan::test {
namespace {

class SettingFormsWidgets : public ::testing::Test {
protected:
    void SetUp() override {
        registerUserSettingForms(registry);
        services.printers[0] = {true, "COM1", "QP-R4100 MKIII", true};
    }
    std::unique_ptr<QWidget> open(int group, int item) {
        const FormEntry* entry = registry.find(group, item);
        EXPECT_NE(entry, nullptr);
        FormContext context{services, group, item, entry->mode,
                            FormRecord(entry->recordSize, '\0')};
        return std::unique_ptr<QWidget>(entry->create(context));
    }
    template <typename T> static T* child(QWidget* form, const char* name) {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    static void click(QWidget* form, const char* name) { child<QPushButton>(form, name)->click(); }

    FormRegistry registry;
    FakeFormServices services;
};

TEST_F(SettingFormsWidgets, EachCodeOpensItsFormInItsMode) {
    const std::tuple<int, int, const char*, FormMode, std::size_t> expected[] = {
        {6, 15, "CRightView_01_14", FormMode::Send, 21},
        {7, 13, "CRightView_01_14", FormMode::Read, 21},
        {6, 16, "CRightView_01_17", FormMode::Send, 71},
        {6, 17, "CRightView_01_18", FormMode::Send, 15},
        {7, 17, "CRightView_01_18", FormMode::Read, 15},
        {6, 18, "CRightView_01_19", FormMode::Send, 4},
        {7, 18, "CRightView_01_19", FormMode::Read, 4},
    };
    for (const auto& [group, item, name, mode, size] : expected) {
        const FormEntry* entry = registry.find(group, item);
        ASSERT_NE(entry, nullptr) << group << "." << item;
        EXPECT_EQ(entry->formClass, name);
        EXPECT_EQ(entry->mode, mode);
        EXPECT_EQ(entry->recordSize, size);
        EXPECT_EQ(entry->initialData, group == 6 ? InitialData::LastValues : InitialData::Empty);
    }
    EXPECT_EQ(registry.find(7, 16), nullptr);
}

TEST_F(SettingFormsWidgets, OlderPrinterIsRefusedTheMkiiiFunctions) {
    services.printers[0] = {true, "COM1", "QP-L30", false};
    for (int item : {16, 17, 18}) {
        services.recordedPrompts.messages.clear();
        auto form = open(6, item);
        click(form.get(), "readButton");
        ASSERT_EQ(services.recordedPrompts.messages.size(), 1U);
        EXPECT_EQ(services.recordedPrompts.messages[0].text, fiscal::kMkiiiOnly);
        EXPECT_EQ(services.recordedPrompts.messages[0].title, kAlertTitle);
        EXPECT_TRUE(child<QPushButton>(form.get(), "sendButton")->isHidden());
        EXPECT_TRUE(child<QPushButton>(form.get(), "readButton")->isHidden());
        EXPECT_TRUE(child<QPushButton>(form.get(), "abandonSequence")->isHidden());
    }
    EXPECT_TRUE(services.runs.empty());
    EXPECT_TRUE(services.reads.empty());
    // The operator is no MKIII function.
    auto form = open(6, 15);
    click(form.get(), "sendButton");
    EXPECT_EQ(services.runs.size(), 1U);
}

TEST_F(SettingFormsWidgets, DecimalsWithoutSelectionSendNothingAndPresetsSelect) {
    auto form = open(6, 17);
    click(form.get(), "sendButton");
    ASSERT_EQ(services.recordedPrompts.messages.size(), 1U);
    EXPECT_EQ(services.recordedPrompts.messages[0].text,
              std::string(fiscal::kQuantityNotSelected) + fiscal::kPriceNotSelected);
    EXPECT_TRUE(services.runs.empty());

    auto* quantity = child<QComboBox>(form.get(), "quantityDecimals");
    auto* price = child<QComboBox>(form.get(), "priceDecimals");
    click(form.get(), "preset2");
    EXPECT_EQ(quantity->currentText(), QStringLiteral("3"));
    EXPECT_EQ(price->currentText(), QStringLiteral("3"));
    EXPECT_FALSE(quantity->isEnabled());
    EXPECT_EQ(services.recordedPrompts.messages.back().text, fiscal::kDecimalsSelected);
    const auto shown = services.recordedPrompts.messages.size();
    click(form.get(), "preset3");
    EXPECT_EQ(price->currentText(), QStringLiteral("2"));
    EXPECT_TRUE(price->isEnabled());
    EXPECT_EQ(services.recordedPrompts.messages.size(), shown);

    click(form.get(), "sendButton");
    ASSERT_EQ(services.runs.size(), 1U);
    EXPECT_EQ(services.runs[0].step, 17);
    EXPECT_EQ(services.runs[0].selection, 99);
    auto* settings = static_cast<CFormView*>(form.get());
    EXPECT_EQ(recordText(settings->record(), 0, 3), "3");
    EXPECT_EQ(recordText(settings->record(), 4, 3), "2");
}

TEST_F(SettingFormsWidgets, ReadModeShowsThePrinterAnswerAndCannotSend) {
    services.answerRead = [](int, int, std::span<char> data) {
        std::memcpy(data.data(), "S\0N", 3);
        return true;
    };
    auto form = open(7, 18);
    EXPECT_TRUE(child<QPushButton>(form.get(), "sendButton")->isHidden());
    EXPECT_FALSE(child<QComboBox>(form.get(), "rounding")->isEnabled());
    EXPECT_EQ(child<QComboBox>(form.get(), "rounding")->currentIndex(), -1);
    click(form.get(), "readButton");
    ASSERT_EQ(services.reads.size(), 1U);
    EXPECT_EQ(services.reads[0].type, 6);
    EXPECT_EQ(services.reads[0].step, 18);
    EXPECT_EQ(child<QComboBox>(form.get(), "rounding")->currentText(), QStringLiteral("Arredonda"));
    EXPECT_EQ(child<QComboBox>(form.get(), "ownManufacture")->currentText(),
              QString::fromUtf8("Não"));

    auto operatorForm = open(7, 13);
    EXPECT_TRUE(child<QLineEdit>(operatorForm.get(), "operatorName")->isReadOnly());
    EXPECT_TRUE(child<QPushButton>(operatorForm.get(), "sendButton")->isHidden());
}

TEST_F(SettingFormsWidgets, SequenceShowsAbandonAndDisablesReading) {
    services.step = 3;
    auto form = open(6, 15);
    form->show();
    EXPECT_TRUE(child<QPushButton>(form.get(), "abandonSequence")->isVisible());
    EXPECT_FALSE(child<QPushButton>(form.get(), "readButton")->isEnabled());
}

} // namespace
} // namespace morvelan::test
