// The software update stream, command by command.
#include <cstdio>

#include "DeviceFixture.h"
#include "UpdateLine.h"

namespace korva::test {
namespace {

using DeviceUpdate = DeviceTest;

// A line of the update format: ":" then the bytes and a checksum making their sum 0 mod 256.
std::string updateLine(std::initializer_list<unsigned> bytes) {
    std::string line = ":";
    unsigned sum = 0;
    char hex[4];
    for (unsigned b : bytes) {
        std::snprintf(hex, sizeof hex, "%02X", b & 0xff);
        line += hex;
        sum += b;
    }
    std::snprintf(hex, sizeof hex, "%02X", (256 - sum % 256) % 256);
    return line + hex;
}

TEST(DeviceUpdateLine, FormatAndChecksum) {
    EXPECT_TRUE(validUpdateLine(updateLine({0x10, 0x20, 0xff})));
    EXPECT_TRUE(validUpdateLine(":0100ff")); // lower case digits are fine
    EXPECT_FALSE(validUpdateLine(":0101ff"));
    EXPECT_FALSE(validUpdateLine("0100FF"));
    EXPECT_FALSE(validUpdateLine(":00"));
    EXPECT_FALSE(validUpdateLine(":0100F"));
    EXPECT_FALSE(validUpdateLine(":01G0FF"));
}

TEST_F(DeviceUpdate, ThirdGenerationStreamInstallsTheNewVersion) {
    const std::string header = "0563|0000|" + updateLine({0x01, 0x02});
    const std::string data = "0562|0000|" + updateLine({0xaa, 0xbb, 0xcc});
    ASSERT_EQ(rc("056B|0000|00.12 BRF"), "0000");
    for (int part = 0; part < 3; ++part) {
        ASSERT_EQ(rc("0560|0000"), "0000");
        if (part != 1) {
            ASSERT_EQ(rc(header), "0000");
        }
        for (int i = 0; i < 5; ++i) {
            ASSERT_EQ(rc(data), "0000");
        }
        if (part == 2) {
            ASSERT_EQ(rc("056C|0000|00.12 BRF"), "0000");
            EXPECT_EQ(run("0566|0000").answer(), "4.00.12 BRF"); // not until the stage closes
        }
        ASSERT_EQ(rc("056A|0000"), "0000");
    }
    EXPECT_EQ(run("0566|0000").answer(), "4.00.13 BRF");
    EXPECT_FALSE(state().update.started);
    EXPECT_EQ(state().events.back().kind, 'S');
}

TEST_F(DeviceUpdate, OlderGenerationUsesItsOwnProcedure) {
    reset("qp-l20");
    EXPECT_EQ(rc("056B|0000|00.12 BRF"), "0f01");
    ASSERT_EQ(rc("056B|0000|1.02 BRF"), "0000");
    ASSERT_EQ(rc("0560|0000"), "0000");
    ASSERT_EQ(rc("0562|0000|" + updateLine({1, 2, 3})), "0000");
    EXPECT_EQ(rc("056C|0000|00.12 BRF"), "0f01");
    ASSERT_EQ(rc("056C|0000|1.02 BRF"), "0000");
    ASSERT_EQ(rc("056A|0000"), "0000");
    EXPECT_EQ(run("0566|0000").answer(), "1.02 BRF");
}

TEST_F(DeviceUpdate, OutOfOrderCommandsAndBadLinesAreRefused) {
    const std::string data = "0562|0000|" + updateLine({7});
    EXPECT_EQ(rc("0560|0000"), "0f02");
    EXPECT_EQ(rc(data), "0f02");
    EXPECT_EQ(rc("056A|0000"), "0f02");
    EXPECT_EQ(rc("056C|0000|00.12 BRF"), "0f02");
    ASSERT_EQ(rc("056B|0000|00.12 BRF"), "0000");
    EXPECT_EQ(rc(data), "0f04");
    EXPECT_EQ(rc("056A|0000"), "0f04");
    ASSERT_EQ(rc("0560|0000"), "0000");
    EXPECT_EQ(rc("0560|0000"), "0f03");
    EXPECT_EQ(rc("0562|0000|:0102"), "0f06");
    EXPECT_EQ(run("0562|0000|").status.substr(0, 4), "0601");
    ASSERT_EQ(rc(data), "0000");
    EXPECT_EQ(rc("0563|0000|" + updateLine({1})), "0f05");
    ASSERT_EQ(rc("056A|0000"), "0000");
    EXPECT_EQ(state().version, "4.00.12 BRF");
    EXPECT_EQ(state().update.stagesClosed, 1);
}

TEST_F(DeviceUpdate, StartingNeedsMitAndAgainAbandonsTheTransfer) {
    ASSERT_EQ(rc("056B|0000|00.12 BRF"), "0000");
    ASSERT_EQ(rc("0560|0000"), "0000");
    ASSERT_EQ(rc("056B|0000|00.12 BRF"), "0000");
    EXPECT_FALSE(state().update.stageOpen);

    modify([](PrinterState& s) { s.mit = false; });
    EXPECT_EQ(rc("056B|0000|00.12 BRF"), "0e01");
}

} // namespace
} // namespace korva::test
