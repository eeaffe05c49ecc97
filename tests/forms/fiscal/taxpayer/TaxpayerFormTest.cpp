// The taxpayer form against the virtual printer: what each refusal or cancel leaves on the
// printer and which step the sequence takes, and the form's read-only use.
#include "VirtualPrinterForms.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace morvelan {
void registerFiscalSetupForms(FormRegistry& registry);
} // namespace morvelan

namespace morvelan::tables::test {
namespace {

class TaxpayerForm : public morvelan::test::VirtualPrinterForms {
protected:
    TaxpayerForm() { registerFiscalSetupForms(registry); }

    static void fill(QWidget* form) {
        child<QLineEdit>(form, "cnpjEdit")->setText(QStringLiteral("11.222.333/0001-81"));
        child<QLineEdit>(form, "ieEdit")->setText(QStringLiteral("ISENTO"));
        child<QPushButton>(form, "preset1")->click();
    }
};

TEST_F(TaxpayerForm, CancelOnEitherConfirmationMovesTheSequenceOn) {
    engine.sequenceStep = 1;
    auto form = open(6, 13);
    fill(form.get());
    prompts.answers = {false};
    child<QPushButton>(form.get(), "sendButton")->click();
    EXPECT_EQ(services.sealingCommands, std::vector<int>{1});
    EXPECT_FALSE(printer().pendingUser.has_value());

    prompts.answers = {true, false};
    child<QPushButton>(form.get(), "sendButton")->click();
    EXPECT_EQ(services.sealingCommands, (std::vector<int>{1, 1}));
    // Recorded and printed, but not confirmed: the user stays pending.
    EXPECT_TRUE(printer().pendingUser.has_value());
    EXPECT_EQ(printer().user.number, 0);
    EXPECT_EQ(prompts.messages.back().text.rfind("ATENÇÃO!\n\n\nÉ necessário confirmar", 0), 0U);
}

TEST_F(TaxpayerForm, ChangeOfUserOnAThirdGenerationPrinterLoadsNewKeysForIt) {
    editPrinter([](korva::PrinterState& s) { s.user = {1, "11144477735", "ISENTO", "", ""}; });
    auto form = open(6, 13);
    EXPECT_FALSE(child(form.get(), "procedure")->isHidden());
    fill(form.get());
    prompts.answers = {true, true};
    child<QPushButton>(form.get(), "sendButton")->click();
    const auto state = printer();
    EXPECT_EQ(state.user.number, 2);
    EXPECT_EQ(state.user.cnpj, "11222333000181");
    // Loaded between the recording and its confirmation, the key waits for Habilitar AD.
    EXPECT_EQ(state.key.state, korva::KeyState::Loaded);
    EXPECT_EQ(state.mode, korva::FiscalMode::Blocked);
    EXPECT_EQ(frame.shownType, 6);
}

TEST_F(TaxpayerForm, LowerCaseLettersOfTheIdentifierAreShownInUpperCase) {
    auto form = open(6, 13);
    auto* cnpj = child<QLineEdit>(form.get(), "cnpjEdit");
    for (const QChar c : QStringLiteral("12abc")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(cnpj, &press);
    }
    EXPECT_EQ(cnpj->text(), QStringLiteral("12ABC"));
    EXPECT_EQ(cnpj->maxLength(), 18);
    EXPECT_EQ(child<QLineEdit>(form.get(), "passwordEdit")->maxLength(), 8);
}

TEST_F(TaxpayerForm, ReadModeShowsTheUserAndOffersNoRecording) {
    auto form = open(7, 3);
    EXPECT_TRUE(child(form.get(), "sendButton")->isHidden());
    EXPECT_TRUE(child(form.get(), "preset1")->isHidden());
    EXPECT_TRUE(child(form.get(), "passwordEdit")->isHidden());
    EXPECT_TRUE(child(form.get(), "procedure")->isHidden());
    EXPECT_TRUE(child<QLineEdit>(form.get(), "cnpjEdit")->isReadOnly());

    child<QPushButton>(form.get(), "readButton")->click();
    EXPECT_EQ(prompts.messages.back().text, "Não existe usuário cadastrado no ECF.");
    EXPECT_EQ(child<QLineEdit>(form.get(), "cnpjEdit")->text(), QString());

    editPrinter([](korva::PrinterState& s) {
        s.user = {1, "11222333000181", "ISENTO", "", ""};
        s.priceDecimals = 3;
    });
    child<QPushButton>(form.get(), "readButton")->click();
    EXPECT_EQ(child<QLineEdit>(form.get(), "cnpjEdit")->text(), QStringLiteral("11222333000181"));
    EXPECT_EQ(child<QLineEdit>(form.get(), "ieEdit")->text(), QStringLiteral("ISENTO"));
    EXPECT_EQ(child<QComboBox>(form.get(), "priceDecimals")->currentText(), QStringLiteral("03"));
}

} // namespace
} // namespace morvelan::tables::test
