// Settings and the technical intervention (MIT) rules around them.
#include "DeviceFixture.h"

namespace korva::test {
namespace {

using DeviceSettings = DeviceTest;

// Fiscalized, key enabled where needed, day open: out of MIT.
void leaveMit(DeviceTest& t) {
    t.fiscalizeWithKey();
    ASSERT_EQ(t.rc("0504|0000"), "0000");
    ASSERT_FALSE(t.state().mit);
}

TEST_F(DeviceSettings, SettingsNeedMitOutsideIt) {
    leaveMit(*this);
    for (const char* line :
         {"0103|0000|Loja|||Rua|001|0001", "0104|0000|US$", "0105|0000|19200", "0106|0000|1",
          "0108|0000|12345", "0109|0000|2|3", "010A|0000|A|S", "0201|0000|1800|0", "0202|0000|Ta",
          "0203|0000|1|05|Cheque", "0204|0000|05", "0205|0000|Vale", "0206|0000|03",
          "0207|0000|Vendas", "0208|0000|02", "0101|0000|12032026|100000|1",
          "0301|0000|11222333000181|ISENTO||1|03|02", "0303|0000", "056B|0000|00.12 BRF"}) {
        EXPECT_EQ(rc(line), "0e01") << line;
    }
    // A field error is found before the mode is looked at.
    EXPECT_EQ(run("0104|0000|").status.substr(0, 4), "0601");
    // The operator may change at any time.
    EXPECT_EQ(rc("0107|0000|Maria"), "0000");
    EXPECT_EQ(run("000C|0000").answer(), "Maria");
}

TEST_F(DeviceSettings, ForcedEntryReducesOpenDayAndEntersMit) {
    leaveMit(*this);
    modify([](PrinterState& s) { s.document = Document::FiscalReceipt; });
    const PrinterState before = state();
    ASSERT_EQ(rc("0101|0000|01012000|000001|0"), "0000");
    const PrinterState after = state();
    EXPECT_TRUE(after.mit);
    EXPECT_EQ(after.document, Document::None);
    EXPECT_FALSE(after.day.open);
    EXPECT_EQ(after.day.crz, before.day.crz + 1);
    EXPECT_GE(after.day.coo, before.day.coo + 2); // the RZ and the intervention's reading
    EXPECT_EQ(after.events.back().kind, 'M');

    // Already in MIT: success and nothing else.
    ASSERT_EQ(rc("0101|0000|01012000|000001|0"), "0000");
    EXPECT_EQ(state().day.coo, after.day.coo);
    EXPECT_EQ(state().events.size(), after.events.size());
}

TEST_F(DeviceSettings, ForcedEntryAcceptsOnlyTheFixedSetting) {
    Exchange e = run("0101|0000|02012000|000001|0");
    EXPECT_EQ(e.status.substr(0, 4), "0401");
    e = run("0101|0000|01012000|000002|0");
    EXPECT_EQ(e.status.substr(0, 4), "0502");
    EXPECT_EQ(code(e), "0004");
}

TEST_F(DeviceSettings, ClockSettingRunsFromTheNewTimeAndRefusesGoingBackwards) {
    ASSERT_EQ(rc("0101|0000|15032026|083000|1"), "0000");
    host += 90;
    EXPECT_EQ(run("0002|0000").answer(), "15032026|083130");
    EXPECT_EQ(run("0101|0000|15132026|083000|1").status.substr(0, 4), "0201");
    EXPECT_EQ(run("0101|0000|15032026|240000|1").status.substr(0, 4), "0302");

    fiscalize();
    ASSERT_EQ(rc("0501|0000"), "0000"); // a document at 15/03 08:31
    EXPECT_EQ(rc("0101|0000|14032026|083000|1"), "0e05");
    EXPECT_EQ(rc("0101|0000|16032026|083000|1"), "0000");
}

TEST_F(DeviceSettings, HeaderWidthFollowsTheGeneration) {
    const std::string line56(56, 'L');
    const std::string esc = std::string("\x1b") + ")";
    EXPECT_EQ(rc("0103|0000|" + line56 + "|Fantasia|Rua 1||001|0002"), "0000");
    EXPECT_EQ(rc("0103|0000|" + esc + std::string(54, 'B') + "|||x|002|0003"), "0000");
    EXPECT_EQ(run("0103|0000|" + esc + line56 + "|||x|002|0003").status.substr(0, 4), "0701");
    EXPECT_EQ(run("0008|0000").answer(), "002|0003");
    EXPECT_EQ(run("0103|0000||a|b|c|001|0001").status.substr(0, 4), "0601");
    EXPECT_EQ(run("0103|0000|a|b|c|d|01|0001").status.substr(0, 4), "0705");

    reset("qp-l30");
    EXPECT_EQ(run("0103|0000|" + std::string(41, 'L') + "|||x|001|0001").status.substr(0, 4),
              "0701");
    EXPECT_EQ(rc("0103|0000|" + esc + std::string(40, 'L') + "|||x|001|0001"), "0000");
}

TEST_F(DeviceSettings, SmallSettingsAreStoredAndReadBack) {
    modify([](PrinterState& s) { s.day.grandTotal = 1234; });
    EXPECT_EQ(rc("0104|0000|US$"), "0000");
    EXPECT_EQ(run("0009|0000").answer(), "US$");
    EXPECT_EQ(state().day.grandTotal, 0u);

    EXPECT_EQ(rc("0105|0000|19200"), "0000");
    EXPECT_EQ(state().pendingSerialSpeed, 19200);
    EXPECT_EQ(state().serialSpeed, 9600);
    EXPECT_EQ(run("0105|0000|115200").status.substr(0, 4), "0701");

    EXPECT_EQ(rc("0106|0000|1"), "0000");
    EXPECT_EQ(run("000B|0000").answer(), "S");
    EXPECT_EQ(rc("0109|0000|02|003"), "0000");
    EXPECT_EQ(run("0006|0000").answer(), "02|03");
    EXPECT_EQ(run("0109|0000|4|2").status.substr(0, 4), "0701");
    EXPECT_EQ(rc("010A|0000|A|S"), "0000");
    EXPECT_EQ(run("0010|0000").answer(), "S|S");

    // Daylight saving moves the clock by an hour each way.
    EXPECT_EQ(run("0102|0000").answer(), "1");
    EXPECT_EQ(run("000A|0000").answer(), "1");
    EXPECT_EQ(run("0002|0000").answer(), "12032026|110000");
    EXPECT_EQ(run("0102|0000").answer(), "0");
}

TEST_F(DeviceSettings, MunicipalRegistrationNeedsAUser) {
    EXPECT_EQ(rc("0108|0000|12345"), "0e20");
    fiscalize();
    EXPECT_EQ(run("0108|0000|0.0/0").status.substr(0, 4), "0701");
    EXPECT_EQ(rc("0108|0000|98765"), "0000");
    EXPECT_EQ(run("0004|0000").answer(), "11222333000181|ISENTO|98765");
}

} // namespace
} // namespace korva::test
