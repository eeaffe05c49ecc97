// The transfer worker against a recording link: the command stream of each procedure, the
// whole-file checks that send nothing, the three attempts per data line and the progress record.
#include "core/features/update/UpdateTransfer.h"
#include "UpdateFiles.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <vector>

namespace morvelan::update {
namespace {

using test::makeUpdateFile;

// Records every command; data lines fail while `dataFailures` lasts.
class RecordingLink final : public UpdateLink {
public:
    std::vector<std::string> sent;
    int dataFailures = 0;
    int send(const std::string& command) override {
        sent.push_back("F " + command);
        return 0;
    }
    int sendBinary(const std::string& command) override {
        sent.push_back("B " + command);
        if (command.starts_with("0562") && dataFailures > 0) {
            --dataFailures;
            return 1;
        }
        return 0;
    }
    std::vector<std::string> codes() const {
        std::vector<std::string> result;
        for (const auto& line : sent) {
            result.push_back(line.substr(0, 6));
        }
        return result;
    }
};

class Transfer : public ::testing::Test {
protected:
    std::string run(Procedure procedure, int section) {
        std::string text = "QP-L30 :: COM1\n\n";
        transferUpdate(
            procedure, section, dir.path(), link, progress,
            [this](int ms) { pauses.push_back(ms); }, text);
        return text;
    }
    morvelan::test::TempDir dir;
    RecordingLink link;
    UpdateProgress progress;
    std::vector<int> pauses;
};

TEST_F(Transfer, ThirdGenerationOnePartStream) {
    makeUpdateFile(dir.path(), "V004", "--lines 2");
    EXPECT_EQ(run(Procedure::ThirdGeneration, 16),
              "QP-L30 :: COM1\n\nOperação Finalizada com sucesso.");
    const std::vector<std::string> expected = {"F 056B|0", "F 0560|0", "B 0563|0", "B 0562|0",
                                               "B 0562|0", "F 056C|0", "F 056A|0"};
    std::vector<std::string> prefixes;
    for (const auto& line : link.sent) {
        prefixes.push_back(line.substr(0, 8));
    }
    EXPECT_EQ(prefixes, expected);
    EXPECT_EQ(link.sent.front(), "F 056B|0000|00.12 BRF");
    EXPECT_EQ(link.sent[5], "F 056C|0000|00.12 BRF");
    EXPECT_EQ(link.sent[2], "B 0563|0000|:A00C54"); // the header of part 12, line end stripped
    EXPECT_EQ(pauses, std::vector<int>{20000});

    // Part ends that also count the header line give the same stream.
    const std::vector<std::string> first = link.sent;
    link.sent.clear();
    makeUpdateFile(dir.path(), "V004", "--lines 2 --count-header");
    EXPECT_EQ(run(Procedure::ThirdGeneration, 16),
              "QP-L30 :: COM1\n\nOperação Finalizada com sucesso.");
    EXPECT_EQ(link.sent, first);
}

TEST_F(Transfer, HeadersByPartForThreePartSections) {
    makeUpdateFile(dir.path(), "V004", "--lines 1");
    run(Procedure::ThirdGeneration, 19); // parts 15, 16, 17: headers sent for parts 0 and 2
    std::vector<std::string> headers;
    for (const auto& line : link.sent) {
        if (line.starts_with("B 0563")) {
            headers.push_back(line);
        }
    }
    EXPECT_EQ(headers, (std::vector<std::string>{"B 0563|0000|:A00F51", "B 0563|0000|:A0114F"}));
    EXPECT_EQ(pauses.size(), 3u);

    // The older procedure: section 13 sends the first header of part 0, the second of part 2.
    link.sent.clear();
    makeUpdateFile(dir.path(), "V005", "--lines 1");
    EXPECT_NE(run(Procedure::Other, 13).find("Operação Finalizada com sucesso."),
              std::string::npos);
    headers.clear();
    for (const auto& line : link.sent) {
        if (line.starts_with("B 0563")) {
            headers.push_back(line);
        }
    }
    EXPECT_EQ(headers, (std::vector<std::string>{"B 0563|0000|:B00947", "B 0563|0000|:B10B44"}));
    EXPECT_EQ(link.sent.front(), "F 056B|0000|1.02 BRF");
    EXPECT_EQ(std::count(link.sent.begin(), link.sent.end(), "F 0560|0000"), 3);
    EXPECT_EQ(std::count(link.sent.begin(), link.sent.end(), "F 056C|0000|1.02 BRF"), 1);
}

TEST_F(Transfer, DataLineGetsThreeAttempts) {
    makeUpdateFile(dir.path(), "V005", "--lines 2");
    link.dataFailures = 2;
    EXPECT_NE(run(Procedure::Other, 0).find(kSuccessText), std::string::npos);
    EXPECT_EQ(std::count(link.sent.begin(), link.sent.end(), link.sent[2]), 3);

    link.sent.clear();
    link.dataFailures = 3;
    const std::string text = run(Procedure::Other, 0);
    EXPECT_EQ(text, std::string("QP-L30 :: COM1\n\n") + kMiddleErrorText + kInterruptedNote);
    EXPECT_EQ(link.sent.back().substr(0, 6), "B 0562"); // nothing after the failed line
    EXPECT_EQ(link.sent.size(), 5u);                    // 056B, 0560, three attempts
    EXPECT_EQ(progress.done.load(), 1);
}

TEST_F(Transfer, DamagedOrMissingFilesSendNothing) {
    struct Case {
        const char* damage;
        const char* says;
    };
    const Case cases[] = {
        {"short", "menos que os 384"},         {"outside", "aponta para fora"},
        {"reversed", "não está antes do fim"}, {"misaligned", "não terminam exatamente"},
        {"long-line", "mais de 1023"},         {"no-section", "não contém a seção 14"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.damage);
        makeUpdateFile(dir.path(), "V005", std::string("--damage ") + c.damage);
        progress.done = 0;
        const std::string text = run(Procedure::Other, 14);
        EXPECT_NE(text.find(c.says), std::string::npos) << text;
        EXPECT_NE(text.find("Nada foi enviado à impressora."), std::string::npos);
        EXPECT_TRUE(link.sent.empty());
        EXPECT_EQ(progress.done.load(), 1);
    }
    const std::string missing = run(Procedure::ThirdGeneration, 16);
    EXPECT_NE(missing.find("\"V004.IBF\" não encontrado"), std::string::npos);
    EXPECT_TRUE(link.sent.empty());
    EXPECT_EQ(run(Procedure::Other, 16), "QP-L30 :: COM1\n\nModelo de impressora inválido!");
}

TEST_F(Transfer, FolderAndOversizedFileAreRefusedForWhatTheyAre) {
    const std::string path = dir.path() + "/V005.IBF";
    std::filesystem::create_directory(path);
    std::string text = run(Procedure::Other, 14);
    EXPECT_NE(text.find("\"V005.IBF\" na pasta\n" + dir.path() + "\né uma pasta"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("não encontrado"), std::string::npos);
    std::filesystem::remove(path);

    // Sparse files: the one past the limit must be refused before it is read.
    const std::string limitText = "mais que o limite de 64 MiB";
    for (const std::uintmax_t size : {kMaxFileBytes + 1, kMaxFileBytes}) {
        SCOPED_TRACE(size);
        makeUpdateFile(dir.path(), "V005");
        std::filesystem::resize_file(path, size);
        text = run(Procedure::Other, 14);
        EXPECT_EQ(text.find("\"" + path + "\" tem " + std::to_string(size) + " bytes, " +
                            limitText) != std::string::npos,
                  size > kMaxFileBytes)
            << text;
    }
    EXPECT_NE(text.find("Nada foi enviado à impressora."), std::string::npos);
    EXPECT_TRUE(link.sent.empty());
}

TEST_F(Transfer, ProgressRecordDrivesTheEstimateToTheEnd) {
    makeUpdateFile(dir.path(), "V005", "--lines 3");
    const std::string bytes = test::readWhole(dir.path() + "/V005.IBF");
    const PlanOutcome planned = planUpdate(Procedure::Other, 12, bytes, "V005.IBF");
    const auto& plan = std::get<UpdatePlan>(planned);
    // Watch the record as each command goes out.
    struct Watching final : UpdateLink {
        UpdateProgress* progress;
        std::vector<std::int32_t> seen;
        int send(const std::string&) override { return note(); }
        int sendBinary(const std::string&) override { return note(); }
        int note() {
            seen.push_back(progress->offsetReached.load());
            EXPECT_EQ(progress->done.load(), 0);
            return 0;
        }
    } watching;
    watching.progress = &progress;
    std::string text;
    runTransfer(
        plan, watching, progress, [](int) {}, text);
    EXPECT_EQ(progress.section.load(), 12);
    EXPECT_EQ(progress.startOffset.load(), plan.startOffset);
    EXPECT_EQ(progress.endOffset.load(), plan.endOffset);
    EXPECT_GT(plan.startOffset, 0);
    EXPECT_EQ(watching.seen.back(), plan.endOffset); // the last part ends at the overall end
    const auto first = estimateUpdate(plan.startOffset, plan.endOffset, watching.seen[1], 12);
    const auto last = estimateUpdate(plan.startOffset, plan.endOffset, watching.seen.back(), 12);
    ASSERT_TRUE(first && last);
    EXPECT_EQ(first->percentage, 0);
    EXPECT_EQ(last->percentage, 100);
    EXPECT_EQ(last->remainingText, kFinishingText);
    EXPECT_EQ(progress.done.load(), 1);
}

} // namespace
} // namespace morvelan::update
