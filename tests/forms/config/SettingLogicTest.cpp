// The setting forms' logic: header-line attributes both ways, the records the forms send, the
// speed and ISSQN choices, and the clock texts.
#include "core/features/settings/ClockSetting.h"
#include "core/features/settings/HeaderLines.h"
#include "core/features/settings/SettingRecords.h"
#include "core/features/settings/SettingTexts.h"

#include <gtest/gtest.h>

#include <string>

namespace morvelan::settings {
namespace {

const std::string kEsc(1, '\x1b');

TEST(HeaderLines, AttributeCharactersAndPrefix) {
    struct Case {
        HeaderAttributes attributes;
        std::string encoded;
    };
    const Case cases[] = {
        {{.bold = true, .doubleHeight = true}, kEsc + ")" + "LOJA"},
        {{.reverse = true, .bold = true, .doubleHeight = true}, kEsc + "9" + "LOJA"},
        {{.reverse = true}, kEsc + "0" + "LOJA"},
        {{.underline = true, .doubleWidth = true}, kEsc + "&" + "LOJA"},
        {{}, "LOJA"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(encodeHeaderLine({"LOJA", c.attributes}), c.encoded) << c.encoded;
}

TEST(HeaderLines, FullLineLosesTwoCharactersOnlyWithAnAttribute) {
    const std::string full(56, 'x');
    EXPECT_EQ(encodeHeaderLine({full, {}}), full);
    EXPECT_EQ(encodeHeaderLine({full, {.bold = true}}), kEsc + "!" + std::string(54, 'x'));
    // Texts leave in Windows-1252: one byte per character, accents included.
    EXPECT_EQ(encodeHeaderLine({"Ação", {}}), "A\xe7\xe3o");
}

TEST(HeaderLines, EveryCombinationOfBoxesSurvivesTheRoundTrip) {
    for (int bits = 0; bits < 32; ++bits) {
        const HeaderAttributes a{(bits & 16) != 0, (bits & 1) != 0, (bits & 2) != 0,
                                 (bits & 8) != 0, (bits & 4) != 0};
        const auto line = decodeHeaderLine(encodeHeaderLine({"  Rua Um, 10 ", a}));
        EXPECT_EQ(line.attributes, a) << bits;
        EXPECT_EQ(line.text, "Rua Um, 10") << bits;
    }
    // A bare prefix from the printer shows its boxes and an empty text.
    EXPECT_TRUE(decodeHeaderLine(kEsc + "0").attributes.reverse);
    EXPECT_EQ(decodeHeaderLine(kEsc).text, "");
}

TEST(HeaderLines, RecordLeavesOutTheLinesNotToBeSent) {
    HeaderValues values;
    values.lines = {HeaderLine{"EMPRESA LTDA", {}}, HeaderLine{"FANTASIA", {.bold = true}},
                    HeaderLine{"RUA A", {}}, HeaderLine{"BAIRRO", {}}};
    values.ecfNumber = "002";
    values.storeNumber = "0010";
    values.sendTradeName = false;
    const auto record = headerRecord(values);
    ASSERT_EQ(record.size(), kHeaderRecordSize);
    EXPECT_EQ(recordText(record, 0, 57), "EMPRESA LTDA");
    EXPECT_EQ(recordText(record, 57, 57), "");
    EXPECT_EQ(recordText(record, 114, 57), "RUA A");
    EXPECT_EQ(recordText(record, 171, 57), "BAIRRO");
    EXPECT_EQ(recordText(record, kHeaderEcfOffset, 4), "002");
    EXPECT_EQ(recordText(record, kHeaderStoreOffset, 5), "0010");

    const auto shown = headerValues(record);
    EXPECT_FALSE(shown.sendTradeName);
    EXPECT_TRUE(shown.sendSecondAddress);
    EXPECT_EQ(shown.lines[0].text, "EMPRESA LTDA");
}

TEST(SettingChoices, SpeedsAreSentOnlyAsChosen) {
    const struct {
        const char* stored;
        int index;
    } prefill[] = {{"9600", 0}, {"19200", 1}, {"38400", 2}, {"115200", 2}, {"", 2}};
    for (const auto& c : prefill)
        EXPECT_EQ(speedIndex(speedRecord(c.stored)), c.index) << c.stored;
    EXPECT_EQ(speedToSend(0), "9600");
    EXPECT_EQ(speedToSend(1), "19200");
    EXPECT_EQ(speedToSend(2), "38400");
    EXPECT_EQ(speedToSend(3), std::nullopt);
    EXPECT_EQ(speedToSend(-1), std::nullopt);
    EXPECT_NE(speedRefusal(3).find("115200"), std::string::npos);
    EXPECT_NE(speedRefusal(-1), speedRefusal(3));
}

TEST(SettingChoices, IssqnDiscountAndCurrency) {
    EXPECT_EQ(issqnIndex(issqnRecord(0)), 0);
    EXPECT_EQ(issqnIndex(issqnRecord(1)), 1);
    EXPECT_EQ(issqnRecord(-1), FormRecord(kIssqnRecordSize, '\0'));
    EXPECT_EQ(issqnRecord(0)[0], 'S');
    EXPECT_EQ(issqnRecord(1)[0], 'N');
    EXPECT_EQ(currencySymbol(currencyRecord(" R$ ")), "R$");
    EXPECT_EQ(recordText(currencyRecord("US$$$"), 0, kCurrencyRecordSize), "US$$");
}

TEST(ClockSetting, ConfirmationAndRecord) {
    const auto record = clockRecord({"010120261", "1230001"});
    ASSERT_EQ(record.size(), kClockRecordSize);
    const auto sent = clockValues(record);
    EXPECT_EQ(sent.date, "01012026");
    EXPECT_EQ(sent.time, "123000");
    EXPECT_EQ(clockConfirmation(sent),
              "Atenção, a data e hora abaixo serão gravados no ECF de maneira permanente,\n"
              "sem possibilidade de retrocesso (ou atraso) do relógio em caso de erro.\n"
              "Verifique se os valores estão corretos, pois em contrário a MF e MFD serão "
              "perdidas!\n\n\nData: 01012026\nHora: 123000");
}

TEST(ClockSetting, DifferenceFromThisComputer) {
    const CivilTime pc{2026, 12, 31, 23, 59, 50};
    const struct {
        ClockValues printer;
        const char* text;
    } cases[] = {
        {{"01012027", "000002"}, "Diferença para este computador: +12 s"},
        {{"31122026", "235950"}, "Diferença para este computador: 0 s"},
        {{"31122026", "225845"}, "Diferença para este computador: -3665 s (1 h 01 min 05 s)"},
    };
    for (const auto& c : cases) {
        const auto printer = parsePrinterClock(c.printer);
        ASSERT_TRUE(printer.has_value()) << c.text;
        EXPECT_EQ(clockDifferenceText(*printer, pc), c.text);
    }
    for (const ClockValues& bad :
         {ClockValues{"30022026", "120000"}, ClockValues{"0101202", "1"},
          ClockValues{"01012026", "246000"}, ClockValues{"0101AB26", "000000"}})
        EXPECT_FALSE(parsePrinterClock(bad).has_value()) << bad.date << " " << bad.time;
    const auto text = printerClockText({2026, 3, 7, 8, 5, 9});
    EXPECT_EQ(text.date, "07032026");
    EXPECT_EQ(text.time, "080509");
}

} // namespace
} // namespace morvelan::settings
