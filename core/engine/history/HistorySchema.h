// The history file's schema, one migration per version: a file of any older version is brought
// up to date step by step, each step in one transaction.
#pragma once

#include <array>

namespace morvelan::history {

inline constexpr int kSchemaVersion = 5;

// Each step brings the schema from its index to the next version, in one transaction.
inline constexpr std::array<const char*, kSchemaVersion> kMigrations = {
    // 0 -> 1: the records.
    "CREATE TABLE printers ("
    "  id INTEGER PRIMARY KEY,"
    "  fiscal_memory_serial TEXT NOT NULL,"
    "  mfd_serial TEXT NOT NULL,"
    "  model TEXT NOT NULL,"
    "  port TEXT NOT NULL,"
    "  first_contact TEXT NOT NULL,"
    "  last_contact TEXT NOT NULL,"
    "  UNIQUE (fiscal_memory_serial, mfd_serial, model));"
    "CREATE TABLE interventions ("
    "  id INTEGER PRIMARY KEY,"
    "  printer_id INTEGER REFERENCES printers(id),"
    "  kind TEXT NOT NULL,"
    "  started_at TEXT NOT NULL,"
    "  ended_at TEXT,"
    "  outcome TEXT);"
    "CREATE TABLE intervention_steps ("
    "  id INTEGER PRIMARY KEY,"
    "  intervention_id INTEGER NOT NULL REFERENCES interventions(id),"
    "  at TEXT NOT NULL,"
    "  description TEXT NOT NULL,"
    "  succeeded INTEGER NOT NULL);"
    "CREATE TABLE operations ("
    "  id INTEGER PRIMARY KEY,"
    "  printer_id INTEGER NOT NULL REFERENCES printers(id),"
    "  intervention_id INTEGER REFERENCES interventions(id),"
    "  kind TEXT NOT NULL,"
    "  op_type INTEGER NOT NULL,"
    "  op_step INTEGER NOT NULL,"
    "  label TEXT NOT NULL,"
    "  port TEXT NOT NULL,"
    "  started_at TEXT NOT NULL,"
    "  ended_at TEXT NOT NULL,"
    "  result_code INTEGER NOT NULL,"
    "  field_error TEXT NOT NULL,"
    "  port_status TEXT NOT NULL,"
    "  printer_status TEXT NOT NULL,"
    "  fiscal_status TEXT NOT NULL,"
    "  result_line TEXT NOT NULL,"
    "  request_block BLOB,"
    "  table_errors TEXT NOT NULL,"
    "  command TEXT NOT NULL,"
    "  answer TEXT NOT NULL,"
    "  command_log TEXT NOT NULL);",
    // 1 -> 2: a printer's history by date is what every window and export asks for.
    "CREATE INDEX operations_by_printer ON operations (printer_id, started_at);"
    "CREATE INDEX interventions_by_printer ON interventions (printer_id, started_at);",
    // 2 -> 3: the change plan the technician confirmed before a table send.
    "ALTER TABLE operations ADD COLUMN plan_lines TEXT NOT NULL DEFAULT '';",
    // 3 -> 4: one order of recording across operations and interventions, since times stop at
    // the second. The rows kept so far get the order the list gave them: by time, an
    // intervention before the operations of its second (it starts before its own), then by row.
    "ALTER TABLE operations ADD COLUMN seq INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE interventions ADD COLUMN seq INTEGER NOT NULL DEFAULT 0;"
    "CREATE TEMP TABLE recorded_order (t TEXT, id INTEGER, n INTEGER, PRIMARY KEY (t, id)) "
    "  WITHOUT ROWID;"
    "INSERT INTO recorded_order SELECT t, id, row_number() OVER (ORDER BY started_at, t, id) "
    "  FROM (SELECT 'i' AS t, id, started_at FROM interventions"
    "        UNION ALL SELECT 'o', id, started_at FROM operations);"
    "UPDATE operations SET seq = (SELECT n FROM recorded_order WHERE t = 'o' AND "
    "  recorded_order.id = operations.id);"
    "UPDATE interventions SET seq = (SELECT n FROM recorded_order WHERE t = 'i' AND "
    "  recorded_order.id = interventions.id);"
    "DROP TABLE recorded_order;"
    "CREATE INDEX operations_by_seq ON operations (seq);"
    "CREATE INDEX interventions_by_seq ON interventions (seq);",
    // 4 -> 5: the process that opened an intervention, to tell one left open by a process that
    // died from one still running. The rows kept so far have none.
    "ALTER TABLE interventions ADD COLUMN owner TEXT NOT NULL DEFAULT '';",
};

} // namespace morvelan::history
