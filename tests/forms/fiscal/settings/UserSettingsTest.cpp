// What the settings forms put into their request data and make of the printer's answers.
#include "core/features/usersettings/UserSettings.h"

#include <gtest/gtest.h>

namespace morvelan::fiscal {
namespace {

TEST(UserSettings, DecimalErrorsAreCollectedQuantityFirst) {
    const std::tuple<const char*, const char*, std::string> cases[] = {
        {"2", "3", ""},
        {"03", "02", ""},
        {"", "2", kQuantityNotSelected},
        {"3", "4", kPriceNotSelected},
        {"", "", std::string(kQuantityNotSelected) + kPriceNotSelected},
    };
    for (const auto& [quantity, price, errors] : cases)
        EXPECT_EQ(decimalErrors(quantity, price), errors) << quantity << "/" << price;
}

TEST(UserSettings, OperatorNameKeepsTheBlockLastByte) {
    FormRecord record(kOperatorRecordSize, 'x');
    putOperator(record, "Operador com nome longo demais");
    EXPECT_EQ(operatorName(record), "Operador com nome lo");
    EXPECT_EQ(record[20], 'x');
    putOperator(record, "Ana");
    EXPECT_EQ(operatorName(record), "Ana");
    EXPECT_EQ(record[3], '\0');
}

TEST(UserSettings, RoundingLettersDifferBetweenWhatIsSentAndWhatIsRead) {
    FormRecord record(kRoundingRecordSize, '\0');
    putRounding(record, {1, 0});
    EXPECT_EQ(std::string(record.data(), 4), std::string("T\0S\0", 4));
    EXPECT_EQ(roundingSent(record).rounding, 1);
    EXPECT_EQ(roundingSent(record).ownManufacture, 0);

    const std::tuple<const char*, int, int> answers[] = {
        {"S\0N", 0, 1}, {"N\0S", 1, 0}, {"A\0X", 1, -1}};
    for (const auto& [answer, rounding, own] : answers) {
        FormRecord read(kRoundingRecordSize, '\0');
        std::copy_n(answer, 3, read.begin());
        EXPECT_EQ(roundingRead(read).rounding, rounding) << answer;
        EXPECT_EQ(roundingRead(read).ownManufacture, own) << answer;
    }
}

} // namespace
} // namespace morvelan::fiscal
