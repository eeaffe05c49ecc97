// The setting forms as a technician uses them, against the virtual printer: what each button
// sends, what each reading shows, and what the forms refuse to send.
#include "VirtualPrinterForms.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>

namespace morvelan {
void registerSettingForms(FormRegistry& registry);
void registerTableForms(FormRegistry& registry);
} // namespace morvelan

namespace morvelan::tables::test {
namespace {

class SettingForms : public morvelan::test::VirtualPrinterForms {
protected:
    SettingForms() {
        registerSettingForms(registry);
        registerTableForms(registry);
    }

    void useModel(const char* key) {
        editPrinter(
            [key](korva::PrinterState& s) { s = korva::factoryState(*korva::findModel(key)); });
        engine.detectionNeeded = 1;
    }
    static QLineEdit* edit(QWidget* form, const char* name) { return child<QLineEdit>(form, name); }
    static void click(QWidget* form, const char* button) {
        child<QPushButton>(form, button)->click();
    }
};

TEST_F(SettingForms, ClockIsSentOnlyWhenFilledAndConfirmed) {
    auto form = open(6, 5);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(edit(form.get(), "dateEdit")->maxLength(), 8);
    EXPECT_EQ(edit(form.get(), "timeEdit")->maxLength(), 6);
    edit(form.get(), "dateEdit")->setText(QStringLiteral("01062030"));
    click(form.get(), "sendButton");
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].text,
              "ERRO: A data e/ou hora não pode(m) ser enviada(s) em branco!");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Information);

    edit(form.get(), "timeEdit")->setText(QStringLiteral("101500"));
    click(form.get(), "sendButton"); // Cancel: the recording prompts answer "no"
    ASSERT_EQ(prompts.messages.size(), 2U);
    EXPECT_EQ(prompts.messages[1].kind, "okcancel");
    EXPECT_EQ(frame.count("showResponsePanel"), 0);
    EXPECT_EQ(printer().clockOffset, 0);

    prompts.answers = {true};
    click(form.get(), "sendButton");
    EXPECT_EQ(frame.count("showResponsePanel"), 1);
    EXPECT_EQ(engine.resultRecords[0].resultCode, 0);
    EXPECT_GT(printer().clockOffset, 0); // 2030 lies ahead of this machine's clock
}

TEST_F(SettingForms, ClockReadingShowsTheDifferenceAndTheComputerButtonFillsTheFields) {
    auto form = open(6, 5);
    services.now = 1767268800; // 2026-01-01 12:00:00 UTC
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    click(form.get(), "computerClockButton");
    EXPECT_EQ(edit(form.get(), "dateEdit")->text(), QStringLiteral("01012026"));
    EXPECT_EQ(edit(form.get(), "timeEdit")->text(), QStringLiteral("120000"));
    EXPECT_TRUE(prompts.messages.empty());

    services.now = 0;
    click(form.get(), "readButton");
    const auto shown = child<QLabel>(form.get(), "clockDifference")->text();
    const QRegularExpression pattern(
        QStringLiteral("^Diferença para este computador: \\+?(-?\\d+) s$"));
    const auto match = pattern.match(shown);
    ASSERT_TRUE(match.hasMatch()) << shown.toStdString();
    EXPECT_LE(std::abs(match.captured(1).toInt()), 2);
    EXPECT_EQ(edit(form.get(), "dateEdit")->text().size(), 8);
}

TEST_F(SettingForms, DaylightSavingChangesOnThePrinterButShowsWhatWasRead) {
    auto form = open(6, 6);
    EXPECT_EQ(child<QPushButton>(form.get(), "sendButton")->text(), QStringLiteral("&Alterar"));
    EXPECT_EQ(edit(form.get(), "stateEdit")->text(), QString());
    click(form.get(), "readButton");
    EXPECT_EQ(edit(form.get(), "stateEdit")->text(),
              QString::fromUtf8("IMPRESSORA FORA DO HORÁRIO DE VERÃO"));
    click(form.get(), "sendButton");
    EXPECT_TRUE(printer().daylightSaving);
    EXPECT_EQ(edit(form.get(), "stateEdit")->text(),
              QString::fromUtf8("IMPRESSORA FORA DO HORÁRIO DE VERÃO"));
    click(form.get(), "readButton");
    EXPECT_EQ(edit(form.get(), "stateEdit")->text(),
              QString::fromUtf8("IMPRESSORA EM HORÁRIO DE VERÃO"));
}

TEST_F(SettingForms, HeaderOnAThirdGenerationPrinterLeavesOutAnEmptyTradeName) {
    editPrinter([](korva::PrinterState& s) {
        s.header = {"EMPRESA MODELO LTDA", "", "\x1b)RUA DAS FLORES 100", ""};
    });
    auto form = open(6, 2);
    click(form.get(), "readButton");
    auto* sendTradeName = child<QCheckBox>(form.get(), "sendTradeName");
    EXPECT_FALSE(sendTradeName->isHidden());
    EXPECT_FALSE(sendTradeName->isChecked());
    EXPECT_TRUE(edit(form.get(), "line2Text")->isReadOnly());
    EXPECT_EQ(edit(form.get(), "line3Text")->text(), QStringLiteral("RUA DAS FLORES 100"));
    EXPECT_TRUE(child<QCheckBox>(form.get(), "line3Bold")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(form.get(), "line3DoubleHeight")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(form.get(), "line3Reverse")->isChecked());

    edit(form.get(), "line2Text")->setText(QStringLiteral("NAO VAI"));
    child<QCheckBox>(form.get(), "line1Reverse")->setChecked(true);
    click(form.get(), "sendButton");
    ASSERT_EQ(engine.resultRecords[0].resultCode, 0) << engine.resultRecords[0].resultLine;
    const auto header = printer().header;
    EXPECT_EQ(header[0], "\x1b"
                         "0EMPRESA MODELO LTDA");
    EXPECT_EQ(header[1], "");
    EXPECT_EQ(header[2], "\x1b)RUA DAS FLORES 100");

    // Checked again, the box makes the trade name editable and sent.
    auto again = open(6, 2);
    child<QCheckBox>(again.get(), "sendTradeName")->setChecked(true);
    EXPECT_FALSE(edit(again.get(), "line2Text")->isReadOnly());
}

TEST_F(SettingForms, HeaderOfAnOlderPrinterIsReadAtFortyCharactersWithEveryLineSent) {
    useModel("qp-l30");
    const std::string line1(40, 'A');
    editPrinter([&](korva::PrinterState& s) { s.header = {line1, "FANTASIA", "RUA B", ""}; });
    auto form = open(7, 4);
    click(form.get(), "readButton");
    EXPECT_EQ(edit(form.get(), "line1Text")->text(), QString::fromStdString(line1));
    EXPECT_EQ(edit(form.get(), "line2Text")->text(), QStringLiteral("FANTASIA"));
    EXPECT_TRUE(child<QCheckBox>(form.get(), "sendTradeName")->isHidden());
    EXPECT_TRUE(child<QCheckBox>(form.get(), "sendSecondAddress")->isChecked());
}

TEST_F(SettingForms, SpeedIsNeverSentAsAnotherThanTheOneChosen) {
    auto form = open(6, 4);
    auto* speeds = child<QComboBox>(form.get(), "speedList");
    ASSERT_EQ(speeds->count(), 4);
    EXPECT_EQ(speeds->itemText(3), QStringLiteral("115200"));
    for (const int refused : {3, -1}) {
        speeds->setCurrentIndex(refused);
        click(form.get(), "sendButton");
        EXPECT_EQ(frame.count("showResponsePanel"), 0) << refused;
    }
    EXPECT_EQ(prompts.messages.size(), 2U);
    EXPECT_EQ(printer().pendingSerialSpeed, 9600);

    speeds->setCurrentIndex(1);
    click(form.get(), "sendButton");
    EXPECT_EQ(printer().pendingSerialSpeed, 19200);
    EXPECT_EQ(prompts.messages.back().text,
              "Para que a configuração seja aceita, é necessário desligar e ligar a impressora.");
    // The speed sent is the one the form selects the next time.
    auto again = open(6, 4);
    EXPECT_EQ(child<QComboBox>(again.get(), "speedList")->currentIndex(), 1);
}

TEST_F(SettingForms, IssqnWithoutAChoiceSucceedsWithoutReachingThePrinter) {
    editPrinter([](korva::PrinterState& s) { s.issqnDiscount = true; });
    auto form = open(6, 11);
    auto* list = child<QComboBox>(form.get(), "issqnList");
    EXPECT_EQ(list->currentIndex(), -1);
    click(form.get(), "sendButton");
    EXPECT_EQ(engine.resultRecords[0].resultCode, 0);
    EXPECT_TRUE(printer().issqnDiscount);

    list->setCurrentIndex(1);
    click(form.get(), "sendButton");
    EXPECT_FALSE(printer().issqnDiscount);
    click(form.get(), "readButton");
    EXPECT_EQ(list->currentIndex(), 1);
}

TEST_F(SettingForms, CurrencyTravelsUnchangedAndPrefillsTheNextOpening) {
    auto form = open(6, 3);
    auto* symbol = edit(form.get(), "currencyEdit");
    EXPECT_EQ(symbol->maxLength(), 3);
    symbol->setText(QStringLiteral("US$"));
    click(form.get(), "sendButton");
    EXPECT_EQ(printer().currency, "US$");
    auto again = open(6, 3);
    EXPECT_EQ(edit(again.get(), "currencyEdit")->text(), QStringLiteral("US$"));
}

TEST_F(SettingForms, NoticeFormsSendTheirOperationForEveryPrinter) {
    auto mit = open(6, 1);
    const auto texts = child<QLabel>(mit.get(), "notice2")->text();
    EXPECT_EQ(
        texts,
        QStringLiteral("Se a impressora já estiver em MIT apenas  retornar mensagem de sucesso."));
    EXPECT_EQ(mit->findChild<QPushButton*>(QStringLiteral("readButton")), nullptr);
    click(mit.get(), "sendButton");
    EXPECT_EQ(engine.resultRecords[0].resultCode, 0);
    EXPECT_EQ(frame.shownType, 6);
    EXPECT_EQ(frame.shownStep, 1);
    EXPECT_EQ(frame.shownSelection, 99);

    auto mfd = open(6, 12);
    EXPECT_EQ(child<QLabel>(mfd.get(), "notice2")->text(),
              QStringLiteral("Consulte os Boletins Técnicos da Korva"));
    click(mfd.get(), "sendButton");
    EXPECT_EQ(frame.shownStep, 12);
}

TEST_F(SettingForms, ReadModeOffersNoWayToChangeThePrinter) {
    const struct {
        int item;
        const char* formClass;
        const char* field;
    } cases[] = {{4, "CRightView_01_02", "line1Text"},
                 {5, "CRightView_01_03", "currencyEdit"},
                 {7, "CRightView_01_05", "dateEdit"},
                 {8, "CRightView_01_06", "stateEdit"},
                 {14, "CRightView_01_11", "issqnList"}};
    for (const auto& c : cases) {
        auto form = open(7, c.item);
        ASSERT_NE(form, nullptr) << c.item;
        EXPECT_EQ(form->objectName().toStdString(), c.formClass);
        EXPECT_TRUE(child<QPushButton>(form.get(), "sendButton")->isHidden()) << c.item;
        EXPECT_FALSE(child<QPushButton>(form.get(), "readButton")->isHidden()) << c.item;
        EXPECT_TRUE(child<QWidget>(form.get(), "printerList")->isHidden()) << c.item;
        if (auto* text = edit(form.get(), c.field))
            EXPECT_TRUE(text->isReadOnly()) << c.item;
        else
            EXPECT_FALSE(child<QWidget>(form.get(), c.field)->isEnabled()) << c.item;
    }
    auto clock = open(7, 7);
    EXPECT_TRUE(child<QPushButton>(clock.get(), "computerClockButton")->isHidden());
}

TEST_F(SettingForms, SealingStepsShowTheAbandonButton) {
    engine.sequenceStep = 0;
    for (const int item : {5, 2}) {
        auto form = open(6, item);
        EXPECT_FALSE(child<QPushButton>(form.get(), "abandonSequence")->isHidden()) << item;
    }
    engine.sequenceStep = 99;
    EXPECT_TRUE(child<QPushButton>(open(6, 5).get(), "abandonSequence")->isHidden());
}

TEST_F(SettingForms, TextFieldsRefuseWhatWindows1252CannotCarry) {
    // Typed character by character, as a keyboard would, and pasted whole.
    const auto type = [](QLineEdit* text, const QString& characters) {
        for (const QChar c : characters) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(text, &press);
        }
    };
    // The setting forms and the table forms share the guard.
    for (const auto& [item, field] : {std::pair{2, "line1Text"}, std::pair{8, "row2Text"}}) {
        auto form = open(6, item);
        form->show();
        auto* text = edit(form.get(), field);
        text->clear();
        type(text, QString::fromUtf8("Ação€✓"));
        QApplication::clipboard()->setText(QString::fromUtf8(" ✓ ok"));
        text->paste();
        EXPECT_EQ(text->text(), QString::fromUtf8("Ação€")) << item;
    }
}

} // namespace
} // namespace morvelan::tables::test
