// What the information readings show, from texts laid out as the printer answers them.
#include "core/features/readings/ReadingTexts.h"

#include <gtest/gtest.h>

namespace morvelan {
namespace {

// A fiscal-day answer: start, end, six counters, then the three state digits.
std::string fiscalDay(std::string_view start, std::string_view end, std::string_view states) {
    return std::string(start) + std::string(end) + "000120" + "000135" + "000011" + "002989" +
           "000121" + "000134" + std::string(states);
}

TEST(FormsReadingsFiscalDay, DatesTimesCountersAndStatesInLabelOrder) {
    const auto fields = fiscalDayFields(fiscalDay("07122026083015", "07122026181002", "101"));
    ASSERT_TRUE(fields.has_value());
    const std::array<std::string, kFiscalDayFieldCount> expected = {
        "07/12/2026", "08:30:15", "07/12/2026", "18:10:02", "000120", "000135",   "000011",
        "002989",     "000121",   "000134",     "Aberta",   "Vendas", "Permitido"};
    EXPECT_EQ(*fields, expected);
}

TEST(FormsReadingsFiscalDay, ADayWithoutReductionShowsADashForBothEndFields) {
    const auto fields = fiscalDayFields(fiscalDay("07122026083015", "01012000000000", "010"));
    ASSERT_TRUE(fields.has_value());
    EXPECT_EQ((*fields)[2], "-");
    EXPECT_EQ((*fields)[3], "-");
    EXPECT_EQ((*fields)[10], "Fechada");
    EXPECT_EQ((*fields)[11], "Limite atingido");
    EXPECT_EQ((*fields)[12], "Não Permitido (aguardando novo dia)");
    // Only the two together mean "no reduction": a real end at midnight keeps its date.
    const auto midnight = fiscalDayFields(fiscalDay("07122026083015", "08122026000000", "000"));
    EXPECT_EQ((*midnight)[2], "08/12/2026");
    EXPECT_EQ((*midnight)[3], "00:00:00");
}

TEST(FormsReadingsFiscalDay, NoStartDateShowsNothingAndShortAnswersStayInBounds) {
    EXPECT_FALSE(fiscalDayFields("").has_value());
    // Cut short after the start time: what is there is shown, missing states read as '0'.
    const auto cut = fiscalDayFields("07122026083015");
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ((*cut)[1], "08:30:15");
    EXPECT_EQ((*cut)[2], "");
    EXPECT_EQ((*cut)[10], "Fechada");
    EXPECT_EQ(withSeparators("0712", '/'), "07/12");
    EXPECT_EQ(withSeparators("0", ':'), "0");
}

TEST(FormsReadingsSerialization, SixFieldsCutAtTheirOffsets) {
    const std::string data = std::string("KV0123456789012345AB") + "MFD00000000000000001" +
                             "KORVA               " + "QP-L30 MKIII        " +
                             "ECF-IF              " + "01.02.03";
    const auto fields = serializationFields(data);
    EXPECT_EQ(fields[0], "KV0123456789012345AB");
    EXPECT_EQ(fields[1], "MFD00000000000000001");
    EXPECT_EQ(fields[3], "QP-L30 MKIII        ");
    EXPECT_EQ(fields[5], "01.02.03");
    const auto shortAnswer = serializationFields("KV01");
    EXPECT_EQ(shortAnswer[0], "KV01");
    EXPECT_EQ(shortAnswer[5], "");
}

TEST(FormsReadingsMicroswitches, OneBitPerSwitchBesidesTheTwoWiderMasks) {
    using Texts = std::array<std::string, kMicroswitchCount>;
    EXPECT_EQ(microswitchTexts(0x0000),
              Texts({"OFF", "OFF", "OFF", "OFF", "OFF", "OFF", "OFF", "OFF"}));
    EXPECT_EQ(microswitchTexts(0x0005),
              Texts({"ON", "OFF", "ON", "OFF", "OFF", "OFF", "OFF", "OFF"}));
    // SW7 answers for either of its two bits, which are also SW5 and SW6.
    EXPECT_EQ(microswitchTexts(0x0010),
              Texts({"OFF", "OFF", "OFF", "OFF", "ON", "OFF", "ON", "OFF"}));
    EXPECT_EQ(microswitchTexts(0x0020)[6], "ON");
    EXPECT_EQ(microswitchTexts(0x0040),
              Texts({"OFF", "OFF", "OFF", "OFF", "OFF", "OFF", "OFF", "ON"}));
    EXPECT_EQ(microswitchTexts(0xff80),
              Texts({"OFF", "OFF", "OFF", "OFF", "OFF", "OFF", "OFF", "OFF"}));
}

} // namespace
} // namespace morvelan
