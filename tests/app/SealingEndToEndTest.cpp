// The sealing sequence as a technician runs it on a printer fresh from the factory: started from
// the tree, each step filled and sent through its own form, moved on from the response panel,
// and the printer read back at the end.
#include "Models.h"
#include "VirtualPrinterFrame.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <memory>

namespace morvelan {
namespace {

struct AppSealing : test::VirtualPrinterFrame {
    void SetUp() override {
        startOn([](korva::PrinterState& s) { s = korva::factoryState(korva::defaultModel()); });
    }

    QString form() const { return frame->currentForm()->objectName(); }
    template <typename Widget = QWidget> Widget* find(const char* name) const {
        return frame->currentForm()->findChild<Widget*>(QString::fromLatin1(name));
    }
    void type(const char* field, const char* text) const {
        auto* edit = find<QLineEdit>(field);
        ASSERT_NE(edit, nullptr) << field;
        edit->setText(QString::fromUtf8(text));
    }
    void press(const char* button) const {
        auto* pushed = find<QPushButton>(button);
        ASSERT_NE(pushed, nullptr) << button << " on " << form().toStdString();
        VirtualPrinterFrame::press(pushed);
    }
    // Sends the step's form with every question answered "yes", then moves on from the panel.
    void sendAndGoOn(const char* expectedForm, std::deque<bool> answers = {}) {
        ASSERT_EQ(form().toStdString(), expectedForm);
        prompts.answers = std::move(answers);
        press("sendButton");
        ASSERT_EQ(form(), QStringLiteral("CRightView_Resp")) << expectedForm;
        press("nextStep");
    }
};

TEST_F(AppSealing, FactoryPrinterIsSealedThroughTheFormsAndHoldsEverySetting) {
    pick(2, 1);
    ASSERT_EQ(form(), QStringLiteral("CRightView_07_01"));
    press("startButton");
    EXPECT_FALSE(frame->functionTree()->isEnabled());

    ASSERT_EQ(form(), QStringLiteral("CRightView_01_05"));
    EXPECT_FALSE(find("abandonSequence")->isHidden());
    press("computerClockButton");
    prompts.answers = {true};
    press("sendButton");
    EXPECT_FALSE(find<QPushButton>("previousStep")->isEnabled());
    press("nextStep");

    ASSERT_EQ(form(), QStringLiteral("CRightView_01_13"));
    EXPECT_FALSE(find<QPushButton>("readButton")->isEnabled());
    EXPECT_TRUE(find("procedure")->isHidden());
    type("cnpjEdit", "11.222.333/0001-81");
    type("ieEdit", "ISENTO");
    press("preset2");
    sendAndGoOn("CRightView_01_13", {true, true});

    type("line1Text", "EMPRESA MODELO LTDA");
    type("line3Text", "RUA DAS FLORES 100");
    type("ecfNumber", "001");
    type("storeNumber", "0001");
    sendAndGoOn("CRightView_01_02");

    type("row1Text", "1800");
    find<QComboBox>("row1Type")->setCurrentIndex(0);
    sendAndGoOn("CRightView_01_09", {true});
    type("row3Text", "Recarga");
    sendAndGoOn("CRightView_01_10", {true});
    type("row2Text", "Vendas");
    sendAndGoOn("CRightView_01_08", {true});

    ASSERT_EQ(form(), QStringLiteral("CRightView_01_07"));
    type("row2Text", "Cartao");
    prompts.answers = {true};
    press("sendButton");
    // A third-generation printer with a new user still needs keys the sequence does not make.
    EXPECT_EQ(prompts.messages.back().text,
              "Lacração Finalizada.\n\nGere e habilite as chaves de assinatura (grupo 03) antes "
              "da primeira Leitura X.");
    EXPECT_TRUE(frame->functionTree()->isEnabled());

    const auto printer = korva::readState(statePath());
    EXPECT_EQ(printer.mode, korva::FiscalMode::Fiscalized);
    EXPECT_EQ(printer.user.number, 1);
    EXPECT_EQ(printer.user.cnpj, "11222333000181");
    EXPECT_EQ(printer.user.ie, "ISENTO");
    EXPECT_EQ(printer.quantityDecimals, 3);
    EXPECT_EQ(printer.priceDecimals, 3);
    EXPECT_EQ(printer.header[0], "EMPRESA MODELO LTDA");
    EXPECT_EQ(printer.header[2], "RUA DAS FLORES 100");
    ASSERT_EQ(printer.taxRates.size(), 1U);
    EXPECT_EQ(printer.taxRates[0].rate, "1800");
    EXPECT_EQ(printer.nonFiscal.back().name, "Recarga");
    EXPECT_EQ(printer.reports.back().name, "Vendas");
    EXPECT_EQ(printer.payments.back().name, "Cartao");
}

TEST_F(AppSealing, AnUnconfirmedUserAndAFailedStepAreListedAndNoStepIsLeftToPress) {
    korva::modifyState(statePath(), [](korva::PrinterState& s) { s.faults["0203"] = {1, "0006"}; });
    pick(2, 1);
    press("startButton");
    frame->advanceSealing(1);
    type("cnpjEdit", "11.222.333/0001-81");
    type("ieEdit", "ISENTO");
    press("preset2");
    // Printed for checking, then the technician cancels the confirmation.
    prompts.answers = {true, false};
    press("sendButton");
    for (int step = 2; step < 6; ++step)
        frame->advanceSealing(1);
    ASSERT_EQ(form(), QStringLiteral("CRightView_01_07"));
    type("row2Text", "Cartao");
    prompts.answers = {true};
    press("sendButton");

    EXPECT_EQ(prompts.messages.back().text,
              "Lacração finalizada com pendências:\n\n1. Configurar Data e Hora - não "
              "concluído.\n2. Configurar Dados Contribuinte - não concluído.\n3. Configurar "
              "Clichê - não concluído.\n4. Configurar Alíquotas - não concluído.\n5. Configurar "
              "Totalizadores Não Fiscais - não concluído.\n6. Configurar Relatórios Gerenciais - "
              "não concluído.\n7. Configurar Meios de Pagamentos - falhou.");
    EXPECT_EQ(prompts.messages.back().icon, PromptIcon::Warning);
    EXPECT_TRUE(frame->functionTree()->isEnabled());
    EXPECT_EQ(frame->engine().sequenceStep, 99);
    for (const char* button : {"nextStep", "repeatStep", "previousStep", "abandonSequence"})
        EXPECT_TRUE(find(button)->isHidden()) << button;
}

TEST_F(AppSealing, TaxpayerFormRefusesAPrinterWithAUserInsideTheSequenceAndOneWithoutOutside) {
    pick(6, 13);
    type("cnpjEdit", "11.222.333/0001-81");
    type("ieEdit", "ISENTO");
    press("preset1");
    press("sendButton");
    EXPECT_EQ(prompts.messages.back().text, "Não existe usuário cadastrado no ECF.\n");

    korva::modifyState(statePath(), [](korva::PrinterState& s) { s.user.number = 1; });
    pick(2, 1);
    press("startButton");
    frame->advanceSealing(1);
    ASSERT_EQ(form(), QStringLiteral("CRightView_01_13"));
    type("cnpjEdit", "11.222.333/0001-81");
    type("ieEdit", "ISENTO");
    press("preset1");
    press("sendButton");
    EXPECT_EQ(prompts.messages.back().text, "Já existe usuário cadastrado no ECF.\n");
    EXPECT_EQ(korva::readState(statePath()).user.cnpj, "");
}

} // namespace
} // namespace morvelan
