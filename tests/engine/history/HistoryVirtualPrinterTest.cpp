// What real operations against the virtual printer leave in the history: a table send with a
// failed row and with its confirmed plan, a switched-off printer, a raw command, a key
// generation, script runs short and long; and a program killed as the outcome shows still keeps
// its record.
#include "TableRecordsTestHelpers.h"
#include "TempDir.h"
#include "TestDoubles.h"
#include "VirtualPrinterState.h"
#include "core/engine/Engine.h"
#include "core/engine/history/HistoryDatabase.h"
#include "core/engine/history/HistoryExport.h"
#include "core/engine/history/HistoryRecorder.h"
#include "core/features/settings/SettingOperations.h"
#include "core/features/tables/TableEditor.h"
#include "core/features/tables/TableWrites.h"
#include "core/scripts/executor/ScriptRunner.h"
#include "core/scripts/scriptfile/ScriptFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace morvelan::history::test {
namespace {

using morvelan::tables::test::editPrinter;
using morvelan::tables::test::printer;

// Dies the way `kill -9` kills, at the moment the outcome would appear on screen.
class KillingFrame final : public morvelan::test::RecordingFrame {
public:
    void showResult(int selection, int type, int step, const ResultRecord& slot0) override {
        if (killWhenShown)
            ::raise(SIGKILL);
        RecordingFrame::showResult(selection, type, step, slot0);
    }
    bool killWhenShown = false;
};

class HistoryVirtualPrinter : public ::testing::Test {
protected:
    HistoryVirtualPrinter()
        : engine(bindLibrary(MORVELAN_LIBRARY_DIR, libraryLogDirectory(dataDir.path())), prompts,
                 frame, programDir.path()),
          database(programDir.file(kHistoryFileName)),
          recorder(database, [this](const std::string& problem) { problems.push_back(problem); }) {
        tables::test::resetPrinter();
        tables::registerTableOperations(engine);
        settings::registerSettingOperations(engine);
        engine.setServiceObserver(&recorder);
    }

    morvelan::test::TempDir programDir, dataDir;
    morvelan::test::RecordingPrompts prompts;
    KillingFrame frame;
    Engine engine;
    HistoryDatabase database;
    std::vector<std::string> problems;
    HistoryRecorder recorder;
};

TEST_F(HistoryVirtualPrinter, TableSendWithAFailedRowKeepsItsErrorsAndRequest) {
    editPrinter([](korva::PrinterState& s) { s.faults["0205"] = {1, "0006"}; });
    prompts.answers = {true};
    tables::TableEditor(engine, tables::kNonFiscalTable, [] {
    }).send(tables::test::formRows({"Sangria", "Fundo de Troco", "Recarga"}), kAllPrinters);
    ASSERT_FALSE(engine.tableErrorText[0].empty());

    const auto entries = database.entries({});
    ASSERT_EQ(entries.size(), 1U);
    const HistoryEntry& sent = entries[0];
    EXPECT_EQ(sent.label, "Totalizadores não fiscais");
    EXPECT_EQ(sent.type * 100 + sent.step, 610);
    EXPECT_EQ(sent.tableErrors, engine.tableErrorText[0]);
    EXPECT_EQ(sent.port, engine.portName[0]);
    // The request as the working command file keeps it: the rows sent can be read again.
    ASSERT_EQ(sent.requestBlock.size(), 1003U);
    const std::string block(sent.requestBlock.begin(), sent.requestBlock.end());
    EXPECT_NE(block.find("Recarga"), std::string::npos);

    const auto printers = database.printers();
    ASSERT_EQ(printers.size(), 1U);
    EXPECT_EQ(printers[0].key.fiscalMemorySerial, printer().mfSerial);
    EXPECT_EQ(printers[0].key.mfdSerial, printer().mfdSerial);
    EXPECT_EQ(printers[0].key.model, engine.modelName[0]);
    EXPECT_TRUE(problems.empty());
}

TEST_F(HistoryVirtualPrinter, ConfirmedPlanLinesBelongToTheirTableSendOnly) {
    prompts.answers = {true};
    tables::TableEditor(engine, tables::kNonFiscalTable, [] {
    }).send(tables::test::formRows({"Sangria", "Fundo de Troco", "Recarga"}), kAllPrinters);
    engine.runOperation(6, 6, {}, kAllPrinters);

    const auto entries = database.entries({});
    ASSERT_EQ(entries.size(), 2U);
    const std::string& plan = entries[1].planLines;
    ASSERT_NE(plan.find("Recarga"), std::string::npos);
    // What was recorded is exactly what the technician confirmed.
    const auto asked = std::find_if(prompts.messages.begin(), prompts.messages.end(),
                                    [](const auto& call) { return call.kind == "yesno"; });
    ASSERT_NE(asked, prompts.messages.end());
    EXPECT_NE(asked->text.find(plan), std::string::npos);
    EXPECT_NE(detailsText(entries[1]).find(plan), std::string::npos);
    EXPECT_TRUE(entries[0].planLines.empty());
}

TEST_F(HistoryVirtualPrinter, SwitchedOffPrinterIsRecordedAsOffline) {
    engine.runOperation(6, 6, {}, kAllPrinters);
    editPrinter([](korva::PrinterState& s) { s.poweredOn = false; });
    engine.runOperation(6, 6, {}, kAllPrinters);

    const auto entries = database.entries({});
    ASSERT_EQ(entries.size(), 2U);
    EXPECT_EQ(entries[0].resultLine, kOfflineResultLine);
    EXPECT_NE(entries[0].resultCode, 0);
    EXPECT_EQ(entries[1].resultLine, kSuccessResultLine);
    EXPECT_EQ(entries[0].label, "Horário de verão");
}

TEST_F(HistoryVirtualPrinter, ProgramKilledAsTheOutcomeShowsKeepsTheRecord) {
    GTEST_FLAG_SET(death_test_style, "fast");
    frame.killWhenShown = true;
    EXPECT_EXIT(
        {
            // The child writes through a connection of its own, as a program of its own would.
            HistoryDatabase own(programDir.file(kHistoryFileName));
            HistoryRecorder recording(own, {});
            engine.setServiceObserver(&recording);
            engine.runOperation(6, 6, {}, kAllPrinters);
        },
        ::testing::KilledBySignal(SIGKILL), "");
    const auto entries = database.entries({});
    ASSERT_EQ(entries.size(), 1U);
    EXPECT_EQ(entries[0].label, "Horário de verão");
    EXPECT_EQ(entries[0].resultLine, kSuccessResultLine);
}

TEST_F(HistoryVirtualPrinter, RawCommandKeepsWhatWasSentAndAnswered) {
    auto request = std::make_unique<SendFileRequest>();
    std::memset(request.get(), 0, sizeof *request);
    std::strcpy(request->command, "0001|0000");
    engine.sendFile(*request, kAllPrinters);

    const auto entries = database.entries({});
    ASSERT_EQ(entries.size(), 1U);
    EXPECT_EQ(entries[0].kind, EntryKind::RawCommand);
    EXPECT_EQ(entries[0].command, "0001|0000");
    EXPECT_EQ(entries[0].answer, std::string(request->slots[0].answer));
    EXPECT_EQ(entries[0].resultLine, kSuccessResultLine);
}

TEST_F(HistoryVirtualPrinter, KeyGenerationIsAnInterventionOfItsOwn) {
    editPrinter([](korva::PrinterState& s) { s.poweredOn = false; });
    engine.runOperation(3, 1, {}, kAllPrinters); // nothing detected: nothing to record
    EXPECT_TRUE(database.entries({}).empty());
    editPrinter([](korva::PrinterState& s) { s.poweredOn = true; });
    std::vector<char> request(96, '\0');
    engine.runOperation(3, 1, request, kAllPrinters);

    const auto entries = database.entries({});
    ASSERT_EQ(entries.size(), 2U);
    EXPECT_EQ(entries[1].kind, EntryKind::Intervention);
    EXPECT_EQ(entries[1].label, kKeyIntervention);
    EXPECT_EQ(entries[0].interventionId, entries[1].id);
    ASSERT_EQ(entries[1].steps.size(), 1U);
    EXPECT_EQ(entries[1].steps[0].description, "Gerar chaves de AD: " + entries[0].resultLine);
    EXPECT_EQ(entries[1].resultLine, entries[0].resultLine);
    EXPECT_FALSE(entries[1].endedAt.empty());
}

// The first `count` lines of `text`, or its last ones when `count` is negative.
std::string lines(const std::string& text, int count) {
    std::size_t at = count >= 0 ? 0 : text.size();
    for (int i = 0; i < std::abs(count); ++i)
        at = count >= 0 ? text.find('\n', at) + 1 : text.rfind('\n', at - 2) + 1;
    return count >= 0 ? text.substr(0, at) : text.substr(at);
}

TEST_F(HistoryVirtualPrinter, ScriptRunIsRecordedWithItsLogBoundedWhateverItsLength) {
    struct Case {
        const char* name;
        int repetitions;
    };
    for (const Case& c : {Case{"short: kept whole", 2}, Case{"long: cut", 300}}) {
        // A failing command between two loops of status readings.
        const std::string loop = "<INICIO DE LOOP>\r\n0001|0000\r\n" +
                                 ScriptLoopEndLine(std::to_string(c.repetitions)) + "\r\n";
        std::ofstream(programDir.file("s.SEQ"), std::ios::binary) << loop << "0999|0000\r\n"
                                                                  << loop;
        std::string streamed;
        ScriptRunner runner(engine);
        const ScriptWorkerOutcome outcome = runner.runScript(
            programDir.file("s.SEQ"),
            [&streamed](int slot) -> ScriptLog::Destination {
                if (slot != 0)
                    return {};
                return [&streamed](std::string_view piece) { streamed += piece; };
            },
            kAllPrinters);
        ASSERT_EQ(outcome.commandsFailed, 1) << c.name;

        const HistoryEntry run = database.entries({}).front();
        EXPECT_EQ(run.kind, EntryKind::Script) << c.name;
        EXPECT_EQ(run.command, programDir.file("s.SEQ")) << c.name;
        const std::string& kept = run.commandLog;
        if (c.repetitions == 2) {
            EXPECT_EQ(kept, streamed) << c.name;
            continue;
        }
        const auto keptLines = static_cast<std::size_t>(std::count(kept.begin(), kept.end(), '\n'));
        EXPECT_LE(keptLines, kKeptFirstLines + kKeptMiddleLines + kKeptLastLines + 2) << c.name;
        EXPECT_LT(kept.size(), streamed.size() / 2) << c.name;
        const int first = static_cast<int>(kKeptFirstLines);
        const int last = static_cast<int>(kKeptLastLines);
        EXPECT_TRUE(kept.starts_with(lines(streamed, first))) << c.name;
        const std::string counts = "[Registro reduzido no histórico: ";
        const auto countsAt = kept.rfind(counts);
        ASSERT_NE(countsAt, std::string::npos) << c.name;
        EXPECT_TRUE(kept.substr(0, countsAt).ends_with(lines(streamed, -last))) << c.name;
        EXPECT_NE(kept.substr(countsAt).find(std::to_string(outcome.commandsSent) +
                                             " comandos enviados, 1 com falha]"),
                  std::string::npos)
            << kept.substr(countsAt);
        // The failure, far from both ends, is kept with its response.
        const auto failure = kept.find("Comando: 0999|0000\r\n");
        ASSERT_NE(failure, std::string::npos) << c.name;
        EXPECT_EQ(streamed.find(lines(kept.substr(failure), 2)), streamed.find("Comando: 0999"))
            << c.name;
        EXPECT_NE(kept.find("linhas omitidas ...]"), std::string::npos) << c.name;
    }
}

} // namespace
} // namespace morvelan::history::test
