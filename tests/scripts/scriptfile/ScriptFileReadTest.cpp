#include "core/scripts/scriptfile/ScriptFile.h"
#include "core/scripts/scriptfile/ScriptLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace morvelan {
namespace {

class ScriptFileIo : public ::testing::Test {
protected:
    void SetUp() override {
        path = std::filesystem::temp_directory_path() /
               ("morvelan-script-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                std::to_string(::getpid()) + ".SEQ");
    }
    void TearDown() override { std::filesystem::remove(path); }

    void write(const std::string& bytes) const {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }
    std::string bytes() const {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::vector<std::string> lines() const {
        auto read = ReadScriptFile(path);
        EXPECT_TRUE(read.has_value());
        return read.value_or(std::vector<std::string>{});
    }

    std::filesystem::path path;
};

TEST_F(ScriptFileIo, RemovesOneLineFeedThenOneCarriageReturnAndSkipsEmptyLines) {
    write("A|B\r\n\r\n\n//c\n#m\r\r\n\r\rx\r\n<INICIO DE LOOP>");
    EXPECT_EQ(lines(),
              (std::vector<std::string>{"A|B", "//c", "#m\r", "\r\rx", "<INICIO DE LOOP>"}));
}

TEST_F(ScriptFileIo, LongLinesArriveInPiecesOfTheBufferSize) {
    const std::string longLine(2500, 'x');
    write(longLine + "\r\n" + std::string(1022, 'y') + "\r\n" + std::string(1023, 'z') + "\r\n");
    const std::vector<std::string> read = lines();
    ASSERT_EQ(read.size(), 5u);
    EXPECT_EQ(read[0], std::string(1023, 'x'));
    EXPECT_EQ(read[1], std::string(1023, 'x'));
    EXPECT_EQ(read[2], std::string(454, 'x'));
    // 1022 characters and the carriage return fill the buffer; the line feed alone is empty.
    EXPECT_EQ(read[3], std::string(1022, 'y'));
    EXPECT_EQ(read[4], std::string(1023, 'z'));
}

TEST_F(ScriptFileIo, MissingFileReadsAsNothing) {
    EXPECT_FALSE(ReadScriptFile(path / "absent").has_value());
    ScriptFileReader reader(path / "absent");
    std::string line;
    EXPECT_FALSE(reader.isOpen());
    EXPECT_FALSE(reader.readLine(line));
}

TEST_F(ScriptFileIo, ZeroByteEndsTheLinesText) {
    write(std::string("AB\0CD\r\n\0\r\nEF\n", 13));
    EXPECT_EQ(lines(), (std::vector<std::string>{"AB", "EF"}));
}

// A run stopped in a stretch of zeros ends there, not after reading all of it.
TEST_F(ScriptFileIo, AStopEndsTheReadingAmongEmptyLines) {
    write("A\r\n" + std::string(1 << 20, '\0') + "B\r\n");
    std::atomic<bool> stop{false};
    ScriptFileReader reader(path);
    reader.stopWhen(stop);
    std::string line;
    ASSERT_TRUE(reader.readLine(line));
    EXPECT_EQ(line, "A");
    stop = true;
    EXPECT_FALSE(reader.readLine(line));
    EXPECT_EQ(reader.position(), 3);
}

TEST_F(ScriptFileIo, WritesCrlfWithoutDisplayNames) {
    const std::vector<std::string> shown = {"Ler Relogio - 0001|0000",
                                            "Gravar - 0002|0000||",
                                            "//0001|0000",
                                            "#@Aguarde",
                                            "<INICIO DE LOOP>",
                                            ScriptLoopEndLine("3"),
                                            "Campos - 0003|0000|a-b|c",
                                            "SEMTRACO|x"};
    ASSERT_TRUE(WriteScriptFile(path, shown));
    EXPECT_EQ(bytes(), "0001|0000\r\n0002|0000||\r\n//0001|0000\r\n#@Aguarde\r\n"
                       "<INICIO DE LOOP>\r\n<FINAL DE LOOP - [3] Repeti\xE7\xF5"
                       "es>\r\n0003|0000|a-b|c\r\nSEMTRACO|x\r\n");
    EXPECT_FALSE(WriteScriptFile(path / "no" / "such" / "dir.SEQ", shown));
}

TEST_F(ScriptFileIo, SavedScriptReadsBackWithItsDisplayNames) {
    auto table = std::make_unique<CommandDictionary>();
    SetSlotText(table->groups[0].name, "G");
    SetSlotText(table->groups[0].commands[0].name, "Ler Relogio");
    SetSlotText(table->groups[0].commands[0].code, "0001");
    SetSlotText(table->groups[1].commands[2].name, "Abrir Cupom");
    SetSlotText(table->groups[1].commands[2].code, "CUPA");
    const std::vector<std::string> shown = {"Ler Relogio - 0001|0000", "//x",
                                            "Abrir Cupom - CUPA|0001|1||", "#fim"};
    ASSERT_TRUE(WriteScriptFile(path, shown));
    std::vector<std::string> restored;
    for (const std::string& line : lines()) {
        const auto withName = RestoreDisplayName(*table, line);
        ASSERT_TRUE(withName.has_value()) << line;
        restored.push_back(*withName);
    }
    EXPECT_EQ(restored, shown);
}

// The lines are numbered as in the file, empty ones counted, and again on each pass of a loop.
TEST_F(ScriptFileIo, LoopGoesBackToTheLineAfterItsStart) {
    write("A\r\n\r\n<INICIO DE LOOP>\r\nB\r\nC\r\n<FINAL DE LOOP - [3] Repeti\xE7\xF5"
          "es>\r\nD\r\n");
    ScriptFileReader reader(path);
    ScriptLoop loop;
    long loopLine = 0;
    std::string line;
    std::string run;
    int guard = 0;
    while (reader.readLine(line) && ++guard < 100) {
        switch (ClassifyScriptLine(line)) {
        case ScriptLineKind::LoopStart:
            loop.start(reader.position());
            loopLine = reader.lineNumber();
            break;
        case ScriptLineKind::LoopEnd:
            if (const auto back = loop.end(line)) {
                ASSERT_TRUE(reader.seek(*back, loopLine));
            }
            break;
        default:
            run += line + std::to_string(reader.lineNumber());
        }
    }
    EXPECT_EQ(run, "A1B4C5B4C5B4C5D7");
}

} // namespace
} // namespace morvelan
