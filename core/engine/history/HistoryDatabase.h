// The service history's one SQLite file. Opening never throws: a file that cannot be opened, is
// read-only, damaged or written by a newer program is reported by state() and problem(), and is
// then never written to. Writes return false on failure and leave problem() set. One object per
// thread at a time (the program uses it from the user-interface thread only).
#pragma once

#include "core/engine/history/HistoryRecords.h"
#include "core/engine/history/HistorySchema.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace morvelan::history {

inline constexpr const char* kHistoryFileName = "historico.db";

enum class HistoryState { Writable, ReadOnly, Damaged, NewerSchema, Unavailable, Missing };
enum class OpenMode { ReadWrite, ReadOnly };

class HistoryDatabase {
public:
    // ReadWrite creates the file and brings its schema up to date; ReadOnly only looks (a
    // missing file is then Missing and simply empty).
    explicit HistoryDatabase(std::string path, OpenMode mode = OpenMode::ReadWrite);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase&) = delete;
    HistoryDatabase& operator=(const HistoryDatabase&) = delete;

    HistoryState state() const { return state_; }
    bool writable() const { return state_ == HistoryState::Writable; }
    // The last problem, in the technician's words; empty when there is none.
    const std::string& problem() const { return problem_; }
    int schemaVersion() const { return version_; }

    // ---- Writes ----
    // The printer (created or brought up to date) and one operation on it, in one transaction.
    std::optional<std::int64_t> recordOperation(const PrinterKey& printer,
                                                const HistoryEntry& entry);
    // The printer, created or with its port and last contact brought up to date.
    std::optional<std::int64_t> notePrinter(const PrinterKey& printer, std::string_view port,
                                            std::string_view at);
    std::optional<std::int64_t> beginIntervention(std::optional<std::int64_t> printerId,
                                                  std::string_view kind, std::string_view at);
    bool attachPrinter(std::int64_t interventionId, std::int64_t printerId);
    bool addStep(std::int64_t interventionId, const InterventionStep& step);
    bool endIntervention(std::int64_t interventionId, std::string_view at,
                         std::string_view outcome);
    // Removes what started before `day` ("AAAA-MM-DD"): operations, and interventions whole with
    // their steps and operations; then the printers nothing refers to any more. The file is
    // compacted afterwards, so it shrinks on disk. Nothing on failure.
    std::optional<PruneCount> prune(std::string_view day);

    // ---- Reads (empty when the file cannot be read) ----
    std::vector<PrinterSeen> printers() const;
    std::optional<std::int64_t> printerId(const PrinterKey& printer) const;
    // Newest first; interventions carry their steps.
    std::vector<HistoryEntry> entries(const HistoryFilter& filter) const;
    // The labels found in a printer's history, for the function filter.
    std::vector<std::string> functions(std::optional<std::int64_t> printerId) const;
    // What prune(day) would remove.
    PruneCount countBefore(std::string_view day) const;
    // The bytes the history takes on disk: the file and its write-ahead log.
    std::uintmax_t sizeOnDisk() const;

private:
    void open(OpenMode mode);
    bool migrate();
    bool execute(const char* sql);
    bool fail(std::string_view what);
    std::optional<std::int64_t> upsertPrinter(const PrinterKey& printer, std::string_view port,
                                              std::string_view at);

    std::string path_;
    sqlite3* db_ = nullptr;
    HistoryState state_ = HistoryState::Unavailable;
    std::string problem_;
    int version_ = 0;
};

} // namespace morvelan::history
