// The history file on its own: schema and migration, filters, the CSV export, and the files it
// must refuse to write.
#include "core/engine/history/HistoryDatabase.h"
#include "GoneProcess.h"
#include "TempDir.h"
#include "TestDoubles.h"
#include "core/base/Utf8Text.h"
#include "core/engine/Engine.h"
#include "core/engine/history/HistoryExport.h"
#include "core/engine/history/HistoryRecorder.h"

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace morvelan::history::test {
namespace {

using morvelan::test::TempDir;

const PrinterKey kFirst{"KV0000000001", "MFD0000000001", "QP-L30"};
const PrinterKey kSecond{"KV0000000002", "MFD0000000002", "QP-R4100 MKIII"};

HistoryEntry entry(const std::string& at, const std::string& label, int step,
                   const std::string& result = "( 0000 ) - Resultado sem erro") {
    HistoryEntry e;
    e.type = 6;
    e.step = step;
    e.label = label;
    e.port = "COM1";
    e.startedAt = at;
    e.endedAt = at;
    e.resultLine = result;
    return e;
}

std::string scalar(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_stmt* stmt = nullptr;
    std::string value;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_text(stmt, 0) != nullptr) {
        value = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return value;
}

void execute(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

std::string bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> starts(const std::vector<HistoryEntry>& entries) {
    std::vector<std::string> result;
    for (const auto& e : entries)
        result.push_back(e.startedAt + " " + e.label);
    return result;
}

TEST(HistoryDatabase, OlderFileIsBroughtUpToDateKeepingItsRows) {
    TempDir dir;
    const std::string path = dir.file(kHistoryFileName);
    {
        HistoryDatabase database(path);
        ASSERT_TRUE(database.writable()) << database.problem();
        ASSERT_TRUE(
            database.recordOperation(kFirst, entry("2026-03-01 10:00:00", "Data e hora", 5)));
        ASSERT_TRUE(
            database.beginIntervention(std::nullopt, kBackupIntervention, "2026-03-01 10:00:00"));
    }
    EXPECT_EQ(scalar(path, "PRAGMA journal_mode"), "wal");
    // The file as the first version left it: no indexes, no plan lines, no order of recording,
    // version 1.
    execute(path,
            "DROP INDEX operations_by_printer; DROP INDEX interventions_by_printer;"
            "DROP INDEX operations_by_seq; DROP INDEX interventions_by_seq;"
            "ALTER TABLE operations DROP COLUMN seq; ALTER TABLE interventions DROP COLUMN "
            "seq; ALTER TABLE interventions DROP COLUMN owner; ALTER TABLE operations DROP COLUMN "
            "plan_lines; PRAGMA user_version = 1;");
    // The order the older program showed: within a second, an intervention below operations.
    const std::vector<std::string> order = {"2026-03-01 10:00:00 Data e hora",
                                            "2026-03-01 10:00:00 Cópia de segurança"};
    EXPECT_EQ(starts(HistoryDatabase(path, OpenMode::ReadOnly).entries({})), order);

    HistoryDatabase reopened(path);
    ASSERT_TRUE(reopened.writable()) << reopened.problem();
    EXPECT_EQ(reopened.schemaVersion(), kSchemaVersion);
    EXPECT_EQ(scalar(path, "SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name = "
                           "'operations_by_printer'"),
              "1");
    EXPECT_EQ(scalar(path, "SELECT count(*) FROM pragma_table_info('operations') WHERE name = "
                           "'plan_lines'"),
              "1");
    EXPECT_EQ(starts(reopened.entries({})), order);
}

TEST(HistoryDatabase, RowsOfTheSameSecondKeepTheOrderTheyHappenedIn) {
    TempDir dir;
    HistoryDatabase database(dir.file(kHistoryFileName));
    const std::string second = "2026-03-09 10:00:00";
    HistoryEntry send = entry(second, kRawCommandLabel, 0);
    send.kind = EntryKind::RawCommand;
    ASSERT_TRUE(database.recordOperation(kFirst, send));
    const auto printer = database.printerId(kFirst);
    const auto backup = database.beginIntervention(printer, kBackupIntervention, second);
    ASSERT_TRUE(backup);
    HistoryEntry reading = entry(second, "Clichê", 2);
    reading.interventionId = backup;
    ASSERT_TRUE(database.recordOperation(kFirst, reading));
    ASSERT_TRUE(database.endIntervention(*backup, second, "Configuração do ECF salva"));
    ASSERT_TRUE(database.beginIntervention(printer, kRestoreIntervention, second));
    ASSERT_TRUE(database.recordOperation(kFirst, entry(second, "Data e hora", 5)));

    EXPECT_EQ(starts(database.entries({})),
              (std::vector<std::string>{
                  second + " Data e hora", second + " " + kRestoreIntervention, second + " Clichê",
                  second + " " + kBackupIntervention, second + " " + kRawCommandLabel}));
}

TEST(HistoryDatabase, AnInterventionLeftOpenByAProgramNoLongerRunningIsListedAsInterrupted) {
    TempDir dir;
    const std::string path = dir.file(kHistoryFileName);
    HistoryDatabase database(path);
    ASSERT_TRUE(
        database.beginIntervention(std::nullopt, kSealingIntervention, "2026-03-09 10:00:00"));
    const std::string owner = scalar(path, "SELECT owner FROM interventions");
    const std::size_t pidStart = owner.find('/') + 1, pidEnd = owner.find('/', pidStart);
    ASSERT_NE(pidEnd, std::string::npos) << owner;
    const std::string boot = owner.substr(0, pidStart - 1);
    const std::string pid = owner.substr(pidStart, pidEnd - pidStart);
    const std::string start = owner.substr(pidEnd + 1);
    const struct {
        std::string owner;
        const char* listed;
    } cases[] = {
        {owner, ""},      // this very process: still going on
        {"", ""},         // written before owners were kept
        {"ilegível", ""}, // nothing can be said of it
        // a program that ended, or whose number was taken by another one
        {boot + "/" + std::to_string(morvelan::test::goneProcessId()) + "/" + start,
         "Interrompida"},
        {boot + "/" + pid + "/" + start + "0", "Interrompida"},
        {"outro-boot/" + pid + "/" + start, "Interrompida"}, // before the machine restarted
    };
    for (const auto& c : cases) {
        execute(path, ("UPDATE interventions SET owner = '" + c.owner + "'").c_str());
        const auto entries = database.entries({});
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].resultLine, c.listed) << c.owner;
        EXPECT_TRUE(entries[0].endedAt.empty());
    }
    execute(path, "UPDATE interventions SET ended_at = '2026-03-09 10:05:00', outcome = 'Feita'");
    EXPECT_EQ(database.entries({})[0].resultLine, "Feita");
}

TEST(HistoryDatabase, TextsComeOutAsValidUtf8WhateverBytesWentIn) {
    TempDir dir;
    const std::string path = dir.file(kHistoryFileName);
    {
        HistoryDatabase database(path);
        HistoryEntry script = entry("2026-03-09 10:00:00", kScriptLabel, 0);
        script.kind = EntryKind::Script;
        script.command = "/tmp/loja\xFF\xC9.SEQ";
        ASSERT_TRUE(database.recordOperation(kFirst, script));
        ASSERT_TRUE(database.recordOperation(kFirst, entry("2026-03-09 11:00:00", "Clichê", 2)));
    }
    // A row as a program that stored raw bytes left it.
    execute(path, "UPDATE operations SET result_line = CAST(x'4572726f20ff' AS TEXT) WHERE "
                  "label = 'Clichê'");

    HistoryDatabase database(path);
    const auto entries = database.entries({});
    const std::string csv = toCsv(entries, database.printers());
    EXPECT_EQ(validUtf8(csv), csv);
    EXPECT_NE(csv.find(";Execução de script: loja\\xFF\\xC9.SEQ;"), std::string::npos) << csv;
    EXPECT_NE(csv.find(";Erro \\xFF;"), std::string::npos) << csv;
    EXPECT_EQ(scalar(path, "SELECT command FROM operations WHERE kind = 'script'"),
              "/tmp/loja\\xFF\\xC9.SEQ");
}

TEST(HistoryDatabase, PruneRemovesWhatStartedBeforeTheDayAndShrinksTheFile) {
    TempDir dir;
    HistoryDatabase database(dir.file(kHistoryFileName));
    HistoryEntry old = entry("2026-01-10 10:00:00", "Data e hora", 5);
    old.commandLog = std::string(16384, 'x');
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(database.recordOperation(kSecond, old));
    // An intervention begun the evening before goes whole, with the operation it ran after
    // midnight.
    const auto sealing =
        database.beginIntervention(std::nullopt, kSealingIntervention, "2026-01-31 23:59:59");
    ASSERT_TRUE(sealing);
    HistoryEntry late = entry("2026-02-01 00:00:01", "Clichê", 2);
    late.interventionId = sealing;
    ASSERT_TRUE(database.recordOperation(kFirst, late));
    ASSERT_TRUE(database.addStep(*sealing, {"2026-02-01 00:00:01", "Clichê", true}));
    ASSERT_TRUE(database.recordOperation(kFirst, entry("2026-02-01 10:00:00", "Data e hora", 5)));
    const auto sizeBefore = database.sizeOnDisk();

    const PruneCount planned = database.countBefore("2026-02-01");
    EXPECT_EQ(planned.operations, 101);
    EXPECT_EQ(planned.interventions, 1);
    const auto pruned = database.prune("2026-02-01");
    ASSERT_TRUE(pruned) << database.problem();
    EXPECT_EQ(pruned->operations, planned.operations);
    EXPECT_EQ(pruned->interventions, planned.interventions);
    EXPECT_EQ(starts(database.entries({})),
              (std::vector<std::string>{"2026-02-01 10:00:00 Data e hora"}));
    // The printer nothing refers to any more goes too.
    ASSERT_EQ(database.printers().size(), 1U);
    EXPECT_EQ(database.printers()[0].key.model, kFirst.model);
    EXPECT_LT(database.sizeOnDisk(), sizeBefore / 4);
    EXPECT_TRUE(database.problem().empty()) << database.problem();
}

TEST(HistoryDatabase, FiltersSelectPrinterDatesAndFunction) {
    TempDir dir;
    HistoryDatabase database(dir.file(kHistoryFileName));
    ASSERT_TRUE(database.recordOperation(kFirst, entry("2026-03-01 10:00:00", "Data e hora", 5)));
    ASSERT_TRUE(
        database.recordOperation(kFirst, entry("2026-03-05 09:00:00", "Meios de pagamentos", 7)));
    ASSERT_TRUE(database.recordOperation(kFirst, entry("2026-03-09 23:59:59", "Data e hora", 5)));
    ASSERT_TRUE(database.recordOperation(kSecond, entry("2026-03-05 12:00:00", "Clichê", 2)));
    const auto first = database.printerId(kFirst);
    ASSERT_TRUE(first);

    struct Case {
        const char* name;
        HistoryFilter filter;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"printer, newest first",
         {.printerId = first},
         {"2026-03-09 23:59:59 Data e hora", "2026-03-05 09:00:00 Meios de pagamentos",
          "2026-03-01 10:00:00 Data e hora"}},
        {"both ends of the range included",
         {.printerId = first, .since = "2026-03-05", .until = "2026-03-09"},
         {"2026-03-09 23:59:59 Data e hora", "2026-03-05 09:00:00 Meios de pagamentos"}},
        {"function",
         {.printerId = first, .function = "Data e hora"},
         {"2026-03-09 23:59:59 Data e hora", "2026-03-01 10:00:00 Data e hora"}},
        {"serial number of the MFD", {.serial = "MFD0000000002"}, {"2026-03-05 12:00:00 Clichê"}},
        {"every printer since a day",
         {.since = "2026-03-05", .until = "2026-03-05"},
         {"2026-03-05 12:00:00 Clichê", "2026-03-05 09:00:00 Meios de pagamentos"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(starts(database.entries(c.filter)), c.expected) << c.name;

    EXPECT_EQ(database.functions(first),
              (std::vector<std::string>{"Data e hora", "Meios de pagamentos"}));
}

TEST(HistoryExport, CsvIsUtf8WithBomSemicolonsAndQuotedFields) {
    PrinterSeen printer{7, kFirst, "COM1", "2026-03-09 10:00:05"};
    HistoryEntry table = entry("2026-03-09 10:00:00", "Totalizadores não fiscais", 10,
                               "( 0006 ) - Erro; tente \"de novo\"");
    table.printerId = 7;
    table.endedAt = "2026-03-09 10:00:05";
    table.tableErrors = "linha 1\nlinha 2\n";
    HistoryEntry sealing;
    sealing.kind = EntryKind::Intervention;
    sealing.label = "Seqüência de Lacração";
    sealing.startedAt = "2026-03-09 09:00:00";
    HistoryEntry raw = entry("2026-03-09 08:00:00", kRawCommandLabel, 0);
    raw.kind = EntryKind::RawCommand;
    raw.command = "0107|0000|JOSÉ";
    HistoryEntry script = entry("2026-03-09 07:00:00", kScriptLabel, 0);
    script.kind = EntryKind::Script;
    script.command = "/home/tecnico/scripts/config.SEQ";

    const std::string expected =
        "\xEF\xBB\xBF"
        "Início;Término;Modelo;Série MF;Série MFD;Porta;Código;Função;Resultado;Erros de tabela\r\n"
        "2026-03-09 10:00:00;2026-03-09 10:00:05;QP-L30;KV0000000001;MFD0000000001;COM1;6.10;"
        "Totalizadores não fiscais;\"( 0006 ) - Erro; tente \"\"de novo\"\"\";\"linha 1\nlinha "
        "2\n\"\r\n"
        "2026-03-09 09:00:00;;;;;;;Seqüência de Lacração;;\r\n"
        "2026-03-09 08:00:00;2026-03-09 08:00:00;;;;COM1;0107|0000;Comando avulso: "
        "0107|0000|JOSÉ;( 0000 ) - Resultado sem erro;\r\n"
        "2026-03-09 07:00:00;2026-03-09 07:00:00;;;;COM1;;Execução de script: config.SEQ;( 0000 "
        ") - Resultado sem erro;\r\n";
    EXPECT_EQ(toCsv({table, sealing, raw, script}, {printer}), expected);
}

TEST(HistoryExport, SummaryRowsShowTheOutcomeAsTheListsDoWithTextsEscaped) {
    const PrinterSeen printer{7, kFirst, "COM1", "2026-03-09 10:00:05"};
    HistoryEntry sealing;
    sealing.kind = EntryKind::Intervention;
    sealing.label = kSealingIntervention;
    sealing.startedAt = "2026-03-09 09:00:00";
    const HistoryEntry failed = entry("2026-03-09 10:00:00", "Clichê", 2, "( 0004 ) - <Campo 2>");
    const std::string page = summaryHtml(printer, {failed, sealing}, "2026-03-09 11:00:00");
    EXPECT_NE(page.find("<td>6.2 Clichê</td><td>( 0004 ) - &lt;Campo 2&gt;</td>"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("<td>Seqüência de Lacração</td><td>em andamento</td>"), std::string::npos)
        << page;
}

class CountingReports {
public:
    HistoryRecorder::Report report() {
        return [this](const std::string& problem) {
            ++count;
            last = problem;
        };
    }
    int count = 0;
    std::string last;
};

TEST(HistoryDatabase, FileLeftMidChangeByAStoppedWriterIsPlayedBackOnlyWhereWritable) {
    TempDir dir;
    const std::string path = dir.file(kHistoryFileName);
    {
        HistoryDatabase created(path);
        ASSERT_TRUE(created.recordOperation(kFirst, entry("2026-12-01 10:00:00", "Kept", 1)));
    }
    execute(path, "PRAGMA journal_mode=DELETE");
    // A change big enough to reach the file before its end, copied with its journal as a writer
    // killed at that instant leaves them.
    TempDir left;
    const std::string leftPath = left.file(kHistoryFileName);
    sqlite3* writer = nullptr;
    sqlite3_open(path.c_str(), &writer);
    ASSERT_EQ(sqlite3_exec(writer,
                           "PRAGMA cache_size=1; BEGIN; CREATE TABLE filler(x);"
                           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                           "WHERE i < 200) INSERT INTO filler SELECT randomblob(1000) FROM n;",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    std::filesystem::copy_file(path, leftPath);
    std::filesystem::copy_file(path + "-journal", leftPath + "-journal");
    // The same, in a file whose permissions forbid the play-back.
    TempDir locked;
    const std::string lockedPath = locked.file(kHistoryFileName);
    std::filesystem::copy_file(path, lockedPath);
    std::filesystem::copy_file(path + "-journal", lockedPath + "-journal");
    std::filesystem::permissions(lockedPath, std::filesystem::perms::owner_read);
    sqlite3_close(writer);

    const HistoryDatabase reading(leftPath, OpenMode::ReadOnly);
    EXPECT_EQ(reading.state(), HistoryState::ReadOnly) << reading.problem();
    EXPECT_EQ(starts(reading.entries({})), std::vector<std::string>{"2026-12-01 10:00:00 Kept"});

    const HistoryDatabase refused(lockedPath, OpenMode::ReadOnly);
    EXPECT_EQ(refused.state(), HistoryState::Unavailable);
    EXPECT_NE(refused.problem().find("gravação interrompida"), std::string::npos)
        << refused.problem();
    EXPECT_TRUE(std::filesystem::exists(lockedPath + "-journal"));
}

TEST(HistoryDatabase, UnusableFileIsReportedOnceAndLeftAsItWas) {
    struct Case {
        const char* name;
        HistoryState state;
        std::function<void(const std::string& path)> prepare;
    };
    const std::vector<Case> cases = {
        {"read-only", HistoryState::ReadOnly,
         [](const std::string& path) {
             { HistoryDatabase created(path); }
             std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::group_read);
         }},
        {"damaged", HistoryState::Damaged,
         [](const std::string& path) {
             std::ofstream(path, std::ios::binary) << std::string(4096, 'x');
         }},
        {"newer schema", HistoryState::NewerSchema,
         [](const std::string& path) {
             { HistoryDatabase created(path); }
             execute(path, "PRAGMA user_version = 99;");
         }},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string path = dir.file(kHistoryFileName);
        c.prepare(path);
        const std::string before = bytes(path);

        HistoryDatabase database(path);
        EXPECT_EQ(database.state(), c.state) << c.name;
        CountingReports reports;
        morvelan::test::RecordingPrompts prompts;
        morvelan::test::RecordingFrame frame;
        Engine engine(BoundLibrary{}, prompts, frame, dir.path());
        engine.printerPresent[0] = 1;
        engine.modelName[0] = kFirst.model;
        HistoryRecorder recorder(database, reports.report());
        ResultRecord result{};
        const RunReport run{.kind = RunKind::Operation, .type = 7, .step = 1, .result = &result};
        recorder.runEnded(engine, run);
        recorder.interventionBegan(engine, kSealingIntervention);
        recorder.runEnded(engine, run);

        EXPECT_EQ(reports.count, 1) << c.name;
        EXPECT_FALSE(reports.last.empty()) << c.name;
        EXPECT_EQ(bytes(path), before) << c.name;
    }
}

} // namespace
} // namespace morvelan::history::test
