// The event log grid and its text file.
#include "core/features/readings/EventLog.h"
#include "TempDir.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace morvelan::test {
namespace {

// A 27-character record: date, time, event, file, line, command, type.
std::string record(int n) {
    char text[28];
    std::snprintf(text, sizeof text, "0712202609%02dM0000%05d04010", n % 60, n);
    return text;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(FormsReadingsEventLog, RecordsFillRowsUpToTheCountAndTenAtMost) {
    std::string log;
    for (int n = 1; n <= 10; ++n)
        log += record(n);
    const auto two = eventGrid(log, eventLogCount("54"));
    EXPECT_EQ(two[0], (EventRow{"07122026", "0901", "M", "0000", "00001", "0401", "0"}));
    EXPECT_EQ(two[1][4], "00002");
    EXPECT_EQ(two[2], EventRow{});

    const auto all = eventGrid(log, eventLogCount("300"));
    EXPECT_EQ(all[9][4], "00010");
    // A count that ends inside a record does not show that record half.
    EXPECT_EQ(eventGrid(log, 60)[2], EventRow{});
    // Nor does a count beyond the text received.
    EXPECT_EQ(eventGrid(log.substr(0, 40), 270)[1], EventRow{});
}

TEST(FormsReadingsEventLog, CountTextIsItsLeadingDigits) {
    EXPECT_EQ(eventLogCount("54"), 54u);
    EXPECT_EQ(eventLogCount("054"), 54u);
    EXPECT_EQ(eventLogCount(""), 0u);
    EXPECT_EQ(eventLogCount("x9"), 0u);
}

TEST(FormsReadingsEventLog, FileHasTenCrLfLinesOfSevenFields) {
    const auto grid = eventGrid(record(1) + record(2), 54);
    const std::string blank = " -  -  -  -  -  - \r\n";
    std::string expected = "07122026 - 0901 - M - 0000 - 00001 - 0401 - 0\r\n"
                           "07122026 - 0902 - M - 0000 - 00002 - 0401 - 0\r\n";
    for (int i = 0; i < 8; ++i)
        expected += blank;
    EXPECT_EQ(eventLogFileText(grid), expected);

    std::string empty;
    for (int i = 0; i < 10; ++i)
        empty += blank;
    EXPECT_EQ(eventLogFileText(EventGrid{}), empty);
}

TEST(FormsReadingsEventLog, SavingAsksForAFileWritesItAndSaysSo) {
    TempDir dir;
    RecordingPrompts prompts;
    const auto grid = eventGrid(record(3), 27);

    // Cancelled: nothing written, nothing said.
    EXPECT_FALSE(saveEventLog(prompts, grid));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, "save");

    const std::string path = dir.file("log.txt");
    std::ofstream(path) << "an older and much longer content that must not survive";
    prompts.files = {path, dir.file("missing/log.txt")};
    EXPECT_TRUE(saveEventLog(prompts, grid));
    EXPECT_EQ(readAll(path), eventLogFileText(grid));
    ASSERT_EQ(prompts.messages.size(), 3u); // the cancelled dialog, this one, the message
    EXPECT_EQ(prompts.messages[1].kind, "save");
    EXPECT_EQ(prompts.messages[1].title, "Arquivo Texto (*.txt)|*.txt||");
    EXPECT_EQ(prompts.messages[1].text, "*.txt");
    EXPECT_EQ(prompts.messages[2].title, "Alerta Morvelan");
    EXPECT_EQ(prompts.messages[2].text, "Arquivo Salvo com Sucesso.");
    EXPECT_EQ(prompts.messages[2].icon, PromptIcon::Information);

    EXPECT_FALSE(saveEventLog(prompts, grid));
    ASSERT_EQ(prompts.messages.size(), 5u);
    EXPECT_EQ(prompts.messages[4].text, "Erro ao Salvar o Arquivo.");
    EXPECT_EQ(prompts.messages[4].icon, PromptIcon::Error);
}

} // namespace
} // namespace morvelan::test
