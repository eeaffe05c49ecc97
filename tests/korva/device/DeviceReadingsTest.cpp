// Printed readings and the fiscal day's counters.
#include "DeviceFixture.h"

namespace korva::test {
namespace {

using DeviceReadings = DeviceTest;

std::vector<std::string> dayFields(DeviceTest& t) {
    return t.run("000E|0000").fields;
}

TEST_F(DeviceReadings, ReadingXRaisesCoo) {
    ASSERT_EQ(rc("0501|0000"), "0000");
    ASSERT_EQ(rc("0501|0000"), "0000");
    EXPECT_EQ(state().day.coo, 2);
    EXPECT_EQ(dayFields(*this).at(5), "000002");
}

TEST_F(DeviceReadings, OpeningTheDayEndsMitOnlyWhenFiscalized) {
    ASSERT_EQ(rc("0504|0000"), "0000");
    EXPECT_TRUE(state().mit); // manufacture: stays in MIT
    EXPECT_TRUE(state().salesPeriodOpen);
    EXPECT_EQ(rc("0504|0000"), "0e06");

    reset("qp-l20");
    fiscalize();
    ASSERT_EQ(rc("0504|0000"), "0000");
    const auto day = dayFields(*this);
    ASSERT_EQ(day.size(), 13u);
    EXPECT_EQ(day[0], "12032026");
    EXPECT_EQ(day[1], "100000");
    EXPECT_EQ(day[2], "01012000");
    EXPECT_EQ(day[3], "000000");
    EXPECT_EQ(day[4], "000001");
    EXPECT_EQ(day[10], "1");
    EXPECT_FALSE(state().mit);
}

TEST_F(DeviceReadings, ReductionClosesTheDayAndWaitsForTheNextDate) {
    EXPECT_EQ(rc("0502|0000|||2"), "0e07");
    ASSERT_EQ(rc("0504|0000"), "0000");
    host += 3600;
    ASSERT_EQ(rc("0502|0000|||2"), "0000");
    const PrinterState s = state();
    EXPECT_EQ(s.day.crz, 1);
    EXPECT_EQ(s.day.coo, 2);
    EXPECT_EQ(s.day.zRemaining, 2999);
    EXPECT_FALSE(s.day.open);
    EXPECT_FALSE(s.salesPeriodOpen);
    auto day = dayFields(*this);
    EXPECT_EQ(day[2], "12032026");
    EXPECT_EQ(day[3], "110000");
    EXPECT_EQ(day[6], "000001");
    EXPECT_EQ(day[7], "002999");
    EXPECT_EQ(day[12], "0");
    EXPECT_EQ(rc("0504|0000"), "0e08");

    advanceDays(1);
    EXPECT_EQ(dayFields(*this)[12], "1");
    EXPECT_EQ(rc("0504|0000"), "0000");
}

TEST_F(DeviceReadings, ReductionChecksItsFields) {
    ASSERT_EQ(rc("0504|0000"), "0000");
    EXPECT_EQ(run("0502|0000|12032026||2").status.substr(0, 4), "0602");
    EXPECT_EQ(run("0502|0000||100000|2").status.substr(0, 4), "0601");
    EXPECT_EQ(run("0502|0000|32032026|100000|2").status.substr(0, 4), "0201");
    EXPECT_EQ(run("0502|0000|12032026|106000|2").status.substr(0, 4), "0302");
    EXPECT_EQ(run("0502|0000|||3").status.substr(0, 4), "0703");
    EXPECT_EQ(rc("0502|0000|12032026|100600|2"), "0e09");
    EXPECT_TRUE(state().day.open);
}

TEST_F(DeviceReadings, ReductionAdjustsTheClockAndDaylightSaving) {
    ASSERT_EQ(rc("0504|0000"), "0000");
    ASSERT_EQ(rc("0502|0000|12032026|100400|1"), "0000");
    EXPECT_TRUE(state().daylightSaving);
    EXPECT_EQ(run("0002|0000").answer(), "12032026|110400");
    advanceDays(1);
    ASSERT_EQ(rc("0504|0000"), "0000");
    ASSERT_EQ(rc("0502|0000|||0"), "0000");
    EXPECT_FALSE(state().daylightSaving);
    EXPECT_EQ(run("0002|0000").answer(), "13032026|100400");
}

TEST_F(DeviceReadings, FullFiscalMemoryRefusesTheDayAndRunningOutIsFlagged) {
    ASSERT_EQ(rc("0504|0000"), "0000");
    modify([](PrinterState& s) { s.day.zRemaining = 30; });
    ASSERT_EQ(rc("0502|0000|||2"), "0000");
    EXPECT_EQ(state().fiscalMemory, FiscalMemory::RunningOut);
    EXPECT_EQ(run("0001|0000").status.substr(12, 4), "9400");
    modify([](PrinterState& s) { s.fiscalMemory = FiscalMemory::Full; });
    advanceDays(1);
    EXPECT_EQ(rc("0504|0000"), "0e03");
}

TEST_F(DeviceReadings, PrintingNeedsPaperAndAClosedCover) {
    modify([](PrinterState& s) { s.mechanics.coverOpen = true; });
    EXPECT_EQ(rc("0501|0000"), "0009");
    EXPECT_EQ(rc("0504|0000"), "0009");
    modify([](PrinterState& s) {
        s.mechanics.coverOpen = false;
        s.mechanics.paper = Paper::Out;
    });
    EXPECT_EQ(rc("0503|0000|000001|000002|4"), "0008");
    EXPECT_EQ(rc("0505|0000|1|2"), "0008");
    EXPECT_EQ(state().day.coo, 0);
    modify([](PrinterState& s) { s.mechanics.paper = Paper::Low; });
    EXPECT_EQ(rc("0501|0000"), "0000");
}

TEST_F(DeviceReadings, MemoryReadingsCheckTheirRanges) {
    EXPECT_EQ(rc("0503|0000|01032026|12032026|5"), "0000");
    EXPECT_EQ(rc("0503|0000|1|9|6"), "0000");
    EXPECT_EQ(run("0503|0000|01032026|12032026|4").status.substr(0, 4), "0701");
    EXPECT_EQ(run("0503|0000|1|2|8").status.substr(0, 4), "0703");
    EXPECT_EQ(rc("0503|0000|12032026|01032026|7"), "0e0b");
    EXPECT_EQ(rc("0505|0001|01032026|02032026"), "0000");
    EXPECT_EQ(run("0505|0001|31022026|02032026").status.substr(0, 4), "0201");
    EXPECT_EQ(rc("0505|0002|5|4"), "0e0b");
    EXPECT_EQ(rc("0505|0003|1|2"), "0002");
    EXPECT_EQ(state().day.coo, 3);
}

} // namespace
} // namespace korva::test
