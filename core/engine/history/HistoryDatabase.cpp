#include "core/engine/history/HistoryDatabase.h"

#include "core/engine/history/RecordingProcess.h"
#include "core/engine/history/SqliteStatement.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <utility>

namespace morvelan::history {
namespace {

// The next place in the order of recording, read in the statement that writes the row.
constexpr const char* kNextSequence = "(SELECT max(coalesce((SELECT max(seq) FROM operations), 0), "
                                      "coalesce((SELECT max(seq) FROM interventions), 0)) + 1)";

// What started before ?1 ("AAAA-MM-DD"); an intervention goes whole, with its operations.
constexpr const char* kInterventionsBefore =
    "SELECT id FROM interventions WHERE substr(started_at, 1, 10) < ?1";
const std::string kOperationsBefore =
    std::string("FROM operations WHERE substr(started_at, 1, 10) < ?1 OR intervention_id IN (") +
    kInterventionsBefore + ")";

const char* kindName(EntryKind kind) {
    switch (kind) {
    case EntryKind::RawCommand:
        return "comando";
    case EntryKind::Script:
        return "script";
    case EntryKind::Intervention:
        return "intervencao";
    case EntryKind::Operation:
        break;
    }
    return "operacao";
}

EntryKind kindFromName(std::string_view name) {
    if (name == "comando")
        return EntryKind::RawCommand;
    if (name == "script")
        return EntryKind::Script;
    return EntryKind::Operation;
}

bool permissionsForbidWriting(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    return !error && std::filesystem::exists(status) &&
           (status.permissions() & std::filesystem::perms::owner_write) ==
               std::filesystem::perms::none;
}

// A writer stopped in the middle of a change made with the rollback journal (the very first
// start makes one, switching the new file to the write-ahead log) leaves the journal behind,
// and nobody can read the file before it is played back. A connection that may only read
// cannot play it back; one that may write does so on its first read, restoring what the writer
// last committed and changing nothing else.
bool playBackLeftJournal(const std::string& path) {
    sqlite3* db = nullptr;
    const bool played =
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
        sqlite3_exec(db, "PRAGMA user_version", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return played;
}

// The filter's conditions, shared by both kinds of row; ?1 printer, ?2 serial, ?3 since,
// ?4 until, ?5 function. `alias` is the row's table, `label` its label column.
std::string filterSql(const char* alias, const char* label) {
    const std::string a = alias;
    return " WHERE (?1 IS NULL OR " + a +
           ".printer_id = ?1)"
           " AND (?2 IS NULL OR p.fiscal_memory_serial = ?2 OR p.mfd_serial = ?2)"
           " AND (?3 IS NULL OR substr(" +
           a +
           ".started_at, 1, 10) >= ?3)"
           " AND (?4 IS NULL OR substr(" +
           a +
           ".started_at, 1, 10) <= ?4)"
           " AND (?5 IS NULL OR " +
           a + "." + label + " = ?5)";
}

void bindFilter(Statement& statement, const HistoryFilter& filter) {
    statement.bindOptional(1, filter.printerId)
        .bindOptional(2, filter.serial)
        .bindOptional(3, filter.since)
        .bindOptional(4, filter.until)
        .bindOptional(5, filter.function);
}

} // namespace

bool succeeded(const HistoryEntry& entry) {
    if (entry.kind == EntryKind::Intervention) {
        return !entry.endedAt.empty() &&
               std::all_of(entry.steps.begin(), entry.steps.end(),
                           [](const InterventionStep& step) { return step.succeeded; });
    }
    return entry.resultLine.starts_with("( 0000 )");
}

HistoryDatabase::HistoryDatabase(std::string path, OpenMode mode) : path_(std::move(path)) {
    open(mode);
}

HistoryDatabase::~HistoryDatabase() {
    sqlite3_close(db_);
}

void HistoryDatabase::open(OpenMode mode) {
    const bool exists = std::filesystem::exists(path_);
    if (mode == OpenMode::ReadOnly && !exists) {
        state_ = HistoryState::Missing;
        return;
    }
    // A file the technician made read-only stays so, whoever runs the program.
    const bool readOnly = mode == OpenMode::ReadOnly || permissionsForbidWriting(path_);
    const int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    if (sqlite3_open_v2(path_.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
        state_ = HistoryState::Unavailable;
        problem_ = "Não foi possível abrir o histórico de intervenções " + path_ + ".";
        return;
    }
    sqlite3_busy_timeout(db_, 2000);
    bool versionRead = false;
    int versionError = SQLITE_OK;
    {
        Statement version(db_, "PRAGMA user_version");
        versionRead = version.ok() && version.step() == SQLITE_ROW;
        if (versionRead)
            version_ = static_cast<int>(version.integer(0));
        else
            versionError = sqlite3_extended_errcode(db_);
    }
    if (!versionRead) {
        // Closed only once its statement is finalized: SQLite keeps a connection with a live
        // statement open, and the connection and its file would leak.
        if (readOnly && versionError == SQLITE_READONLY_ROLLBACK) {
            if (!permissionsForbidWriting(path_) && playBackLeftJournal(path_)) {
                sqlite3_close(db_);
                db_ = nullptr;
                open(mode);
                return;
            }
            // The file is whole; only someone allowed to write it can finish what was stopped.
            state_ = HistoryState::Unavailable;
            problem_ = "O histórico de intervenções " + path_ +
                       " tem uma gravação interrompida, que só pode ser concluída com permissão "
                       "de escrita; ele não foi lido.";
            return;
        }
        state_ = HistoryState::Damaged;
        problem_ =
            "O histórico de intervenções " + path_ + " está danificado; ele não será alterado.";
        return;
    }
    if (version_ > kSchemaVersion) {
        state_ = HistoryState::NewerSchema;
        problem_ = "O histórico de intervenções " + path_ +
                   " foi gravado por uma versão mais nova do Morvelan; ele não será alterado.";
        return;
    }
    if (readOnly || sqlite3_db_readonly(db_, "main") == 1) {
        state_ = HistoryState::ReadOnly;
        if (mode == OpenMode::ReadWrite)
            problem_ = "O histórico de intervenções " + path_ +
                       " é somente leitura; as próximas operações não serão registradas.";
        return;
    }
    // The write-ahead log lets the command line read while the program writes; every commit
    // reaches the disk before the outcome is shown.
    if (!execute("PRAGMA journal_mode=WAL") || !execute("PRAGMA synchronous=FULL") ||
        !execute("PRAGMA foreign_keys=ON") || !migrate()) {
        state_ = HistoryState::Unavailable;
        return;
    }
    state_ = HistoryState::Writable;
}

bool HistoryDatabase::execute(const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    problem_ = "Falha ao gravar o histórico de intervenções " + path_ + ": " +
               (message != nullptr ? message : "erro desconhecido") + ".";
    sqlite3_free(message);
    return false;
}

bool HistoryDatabase::fail(std::string_view what) {
    problem_ = "Falha ao gravar o histórico de intervenções " + path_ + ": " + std::string(what) +
               " (" + sqlite3_errmsg(db_) + ").";
    return false;
}

bool HistoryDatabase::migrate() {
    for (int version = version_; version < kSchemaVersion; ++version) {
        const std::string step =
            std::string("BEGIN IMMEDIATE;") + kMigrations[static_cast<std::size_t>(version)] +
            "PRAGMA user_version = " + std::to_string(version + 1) + ";COMMIT;";
        if (!execute(step.c_str())) {
            execute("ROLLBACK");
            return false;
        }
        version_ = version + 1;
    }
    return true;
}

std::optional<std::int64_t> HistoryDatabase::recordOperation(const PrinterKey& printer,
                                                             const HistoryEntry& entry) {
    if (!writable())
        return std::nullopt;
    if (!execute("BEGIN IMMEDIATE"))
        return std::nullopt;
    const std::optional<std::int64_t> printerRow =
        upsertPrinter(printer, entry.port, entry.endedAt);
    std::optional<std::int64_t> row;
    if (printerRow) {
        Statement insert(db_,
                         "INSERT INTO operations (printer_id, intervention_id, kind, op_type, "
                         "op_step, label, port, started_at, ended_at, result_code, "
                         "field_error, port_status, printer_status, fiscal_status, "
                         "result_line, request_block, table_errors, command, answer, "
                         "command_log, plan_lines, seq) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, "
                         "?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21, " +
                             std::string(kNextSequence) + ")");
        insert.bind(1, *printerRow)
            .bindOptional(2, entry.interventionId)
            .bind(3, kindName(entry.kind))
            .bind(4, std::int64_t{entry.type})
            .bind(5, std::int64_t{entry.step})
            .bind(6, entry.label)
            .bind(7, entry.port)
            .bind(8, entry.startedAt)
            .bind(9, entry.endedAt)
            .bind(10, std::int64_t{entry.resultCode})
            .bind(11, entry.fieldError)
            .bind(12, entry.portStatus)
            .bind(13, entry.printerStatus)
            .bind(14, entry.fiscalStatus)
            .bind(15, entry.resultLine)
            .bindBlob(16, entry.requestBlock)
            .bind(17, entry.tableErrors)
            .bind(18, entry.command)
            .bind(19, entry.answer)
            .bind(20, entry.commandLog)
            .bind(21, entry.planLines);
        if (insert.step() == SQLITE_DONE)
            row = sqlite3_last_insert_rowid(db_);
    }
    if (!row) {
        fail("operação não registrada");
        execute("ROLLBACK");
        return std::nullopt;
    }
    if (!execute("COMMIT")) {
        execute("ROLLBACK");
        return std::nullopt;
    }
    return row;
}

std::optional<std::int64_t> HistoryDatabase::upsertPrinter(const PrinterKey& printer,
                                                           std::string_view port,
                                                           std::string_view at) {
    Statement upsert(db_, "INSERT INTO printers (fiscal_memory_serial, mfd_serial, model, port, "
                          "first_contact, last_contact) VALUES (?1, ?2, ?3, ?4, ?5, ?5) "
                          "ON CONFLICT (fiscal_memory_serial, mfd_serial, model) DO UPDATE "
                          "SET port = excluded.port, last_contact = excluded.last_contact "
                          "RETURNING id");
    upsert.bind(1, printer.fiscalMemorySerial)
        .bind(2, printer.mfdSerial)
        .bind(3, printer.model)
        .bind(4, port)
        .bind(5, at);
    if (upsert.step() != SQLITE_ROW)
        return std::nullopt;
    return upsert.integer(0);
}

std::optional<std::int64_t> HistoryDatabase::notePrinter(const PrinterKey& printer,
                                                         std::string_view port,
                                                         std::string_view at) {
    if (!writable())
        return std::nullopt;
    const auto row = upsertPrinter(printer, port, at);
    if (!row)
        fail("impressora não registrada");
    return row;
}

std::optional<std::int64_t>
HistoryDatabase::beginIntervention(std::optional<std::int64_t> printerId, std::string_view kind,
                                   std::string_view at) {
    if (!writable())
        return std::nullopt;
    Statement insert(db_,
                     "INSERT INTO interventions (printer_id, kind, started_at, owner, seq) VALUES "
                     "(?1, ?2, ?3, ?4, " +
                         std::string(kNextSequence) + ")");
    insert.bindOptional(1, printerId).bind(2, kind).bind(3, at).bind(4, currentRecordingProcess());
    if (insert.step() != SQLITE_DONE) {
        fail("intervenção não registrada");
        return std::nullopt;
    }
    return sqlite3_last_insert_rowid(db_);
}

bool HistoryDatabase::attachPrinter(std::int64_t interventionId, std::int64_t printerId) {
    if (!writable())
        return false;
    Statement update(db_, "UPDATE interventions SET printer_id = ?2 WHERE id = ?1");
    update.bind(1, interventionId).bind(2, printerId);
    return update.step() == SQLITE_DONE || fail("impressora da intervenção não registrada");
}

bool HistoryDatabase::addStep(std::int64_t interventionId, const InterventionStep& step) {
    if (!writable())
        return false;
    Statement insert(db_, "INSERT INTO intervention_steps (intervention_id, at, description, "
                          "succeeded) VALUES (?1, ?2, ?3, ?4)");
    insert.bind(1, interventionId)
        .bind(2, step.at)
        .bind(3, step.description)
        .bind(4, std::int64_t{step.succeeded ? 1 : 0});
    return insert.step() == SQLITE_DONE || fail("passo da intervenção não registrado");
}

bool HistoryDatabase::endIntervention(std::int64_t interventionId, std::string_view at,
                                      std::string_view outcome) {
    if (!writable())
        return false;
    Statement update(db_, "UPDATE interventions SET ended_at = ?2, outcome = ?3 WHERE id = ?1");
    update.bind(1, interventionId).bind(2, at).bind(3, outcome);
    return update.step() == SQLITE_DONE || fail("fim da intervenção não registrado");
}

std::vector<PrinterSeen> HistoryDatabase::printers() const {
    std::vector<PrinterSeen> result;
    Statement query(db_, "SELECT id, fiscal_memory_serial, mfd_serial, model, port, last_contact "
                         "FROM printers ORDER BY last_contact DESC, id DESC");
    while (query.step() == SQLITE_ROW) {
        result.push_back({query.integer(0),
                          {query.text(1), query.text(2), query.text(3)},
                          query.text(4),
                          query.text(5)});
    }
    return result;
}

std::optional<std::int64_t> HistoryDatabase::printerId(const PrinterKey& printer) const {
    Statement query(db_, "SELECT id FROM printers WHERE fiscal_memory_serial = ?1 AND "
                         "mfd_serial = ?2 AND model = ?3");
    query.bind(1, printer.fiscalMemorySerial).bind(2, printer.mfdSerial).bind(3, printer.model);
    if (query.step() != SQLITE_ROW)
        return std::nullopt;
    return query.integer(0);
}

std::vector<HistoryEntry> HistoryDatabase::entries(const HistoryFilter& filter) const {
    std::vector<HistoryEntry> result;
    // A file only looked at is read as it is, even when it was written by an older program.
    // Without an order of recording, a second's operations come above its interventions, as that
    // program listed them.
    const std::string planLines = version_ >= 3 ? "o.plan_lines" : "''";
    const std::string operationOrder = version_ >= 4 ? "o.seq" : "o.id + 4294967296";
    const std::string interventionOrder = version_ >= 4 ? "i.seq" : "i.id";
    const std::string interventionOwner = version_ >= 5 ? "i.owner" : "''";
    const std::string operations =
        "SELECT o.id, o.printer_id, o.intervention_id, o.kind, o.op_type, o.op_step, o.label, "
        "o.port, o.started_at, o.ended_at, o.result_code, o.field_error, o.port_status, "
        "o.printer_status, o.fiscal_status, o.result_line, o.request_block, o.table_errors, "
        "o.command, o.answer, o.command_log, " +
        planLines + ", " + operationOrder +
        " FROM operations o JOIN printers p ON p.id = o.printer_id" + filterSql("o", "label");
    Statement query(db_, operations);
    bindFilter(query, filter);
    while (query.step() == SQLITE_ROW) {
        HistoryEntry entry;
        entry.id = query.integer(0);
        entry.printerId = query.optionalInteger(1);
        entry.interventionId = query.optionalInteger(2);
        entry.kind = kindFromName(query.text(3));
        entry.type = static_cast<int>(query.integer(4));
        entry.step = static_cast<int>(query.integer(5));
        entry.label = query.text(6);
        entry.port = query.text(7);
        entry.startedAt = query.text(8);
        entry.endedAt = query.text(9);
        entry.resultCode = static_cast<int>(query.integer(10));
        entry.fieldError = query.text(11);
        entry.portStatus = query.text(12);
        entry.printerStatus = query.text(13);
        entry.fiscalStatus = query.text(14);
        entry.resultLine = query.text(15);
        entry.requestBlock = query.blob(16);
        entry.tableErrors = query.text(17);
        entry.command = query.text(18);
        entry.answer = query.text(19);
        entry.commandLog = query.text(20);
        entry.planLines = query.text(21);
        entry.sequence = query.integer(22);
        result.push_back(std::move(entry));
    }
    const std::string interventions =
        "SELECT i.id, i.printer_id, i.kind, coalesce(p.port, ''), i.started_at, "
        "coalesce(i.ended_at, ''), coalesce(i.outcome, ''), " +
        interventionOwner + ", " + interventionOrder +
        " FROM interventions i LEFT JOIN printers p ON p.id = i.printer_id" +
        filterSql("i", "kind");
    Statement groups(db_, interventions);
    bindFilter(groups, filter);
    while (groups.step() == SQLITE_ROW) {
        HistoryEntry entry;
        entry.id = groups.integer(0);
        entry.printerId = groups.optionalInteger(1);
        entry.kind = EntryKind::Intervention;
        entry.label = groups.text(2);
        entry.port = groups.text(3);
        entry.startedAt = groups.text(4);
        entry.endedAt = groups.text(5);
        entry.resultLine = groups.text(6);
        // Left open by a program that no longer runs, it will never end: say so rather than
        // list it as still going on.
        if (entry.endedAt.empty() && !recordingProcessMayRun(groups.text(7)))
            entry.resultLine = kInterventionInterrupted;
        entry.sequence = groups.integer(8);
        Statement steps(db_, "SELECT at, description, succeeded FROM intervention_steps WHERE "
                             "intervention_id = ?1 ORDER BY id");
        steps.bind(1, entry.id);
        while (steps.step() == SQLITE_ROW)
            entry.steps.push_back({steps.text(0), steps.text(1), steps.integer(2) != 0});
        result.push_back(std::move(entry));
    }
    // Newest first, and within a second in the order of recording: an intervention starts
    // before its own operations, so it ends up below them, and above what came before it.
    std::stable_sort(result.begin(), result.end(),
                     [](const HistoryEntry& a, const HistoryEntry& b) {
                         if (a.startedAt != b.startedAt)
                             return a.startedAt > b.startedAt;
                         return a.sequence > b.sequence;
                     });
    return result;
}

std::vector<std::string> HistoryDatabase::functions(std::optional<std::int64_t> printerId) const {
    std::vector<std::string> result;
    Statement query(db_, "SELECT label FROM operations WHERE ?1 IS NULL OR printer_id = ?1 "
                         "UNION SELECT kind FROM interventions WHERE ?1 IS NULL OR "
                         "printer_id = ?1 ORDER BY 1");
    query.bindOptional(1, printerId);
    while (query.step() == SQLITE_ROW)
        result.push_back(query.text(0));
    return result;
}

PruneCount HistoryDatabase::countBefore(std::string_view day) const {
    Statement operations(db_, "SELECT count(*) " + kOperationsBefore);
    Statement interventions(db_,
                            std::string("SELECT count(*) FROM (") + kInterventionsBefore + ")");
    operations.bind(1, day);
    interventions.bind(1, day);
    PruneCount count;
    if (operations.step() == SQLITE_ROW)
        count.operations = operations.integer(0);
    if (interventions.step() == SQLITE_ROW)
        count.interventions = interventions.integer(0);
    return count;
}

std::optional<PruneCount> HistoryDatabase::prune(std::string_view day) {
    if (!writable() || !execute("BEGIN IMMEDIATE"))
        return std::nullopt;
    const PruneCount count = countBefore(day);
    const std::string deletions[] = {
        "DELETE " + kOperationsBefore,
        std::string("DELETE FROM intervention_steps WHERE intervention_id IN (") +
            kInterventionsBefore + ")",
        "DELETE FROM interventions WHERE substr(started_at, 1, 10) < ?1",
        "DELETE FROM printers WHERE substr(last_contact, 1, 10) < ?1 AND id NOT IN (SELECT "
        "printer_id FROM operations) AND id NOT IN (SELECT printer_id FROM interventions WHERE "
        "printer_id IS NOT NULL)",
    };
    for (const std::string& sql : deletions) {
        Statement deletion(db_, sql);
        deletion.bind(1, day);
        if (deletion.step() != SQLITE_DONE) {
            fail("registros antigos não apagados");
            execute("ROLLBACK");
            return std::nullopt;
        }
    }
    if (!execute("COMMIT")) {
        execute("ROLLBACK");
        return std::nullopt;
    }
    // The rows are gone once committed; a compaction that fails (another program reading the
    // file) only leaves the file as large as it was, and problem() says so.
    if (execute("VACUUM"))
        execute("PRAGMA wal_checkpoint(TRUNCATE)");
    return count;
}

std::uintmax_t HistoryDatabase::sizeOnDisk() const {
    std::uintmax_t size = 0;
    for (const std::string& file : {path_, path_ + "-wal"}) {
        std::error_code error;
        const std::uintmax_t bytes = std::filesystem::file_size(file, error);
        if (!error)
            size += bytes;
    }
    return size;
}

} // namespace morvelan::history
