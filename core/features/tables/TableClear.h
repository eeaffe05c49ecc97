// Emptying a printer's table down to its fixed entries: the clear body that runs on a worker
// (also the first half of the write bodies of tables 8 to 10) and the starter behind the forms'
// clear button.
#pragma once

namespace morvelan {
class Engine;
}

namespace morvelan::tables {

// Deletes every non-fixed entry of `table` (7 to 10) on `slot`. Entries the printer reports as
// missing are no failure; any other failure appends a line to the slot's tableErrorText. True
// when no line was written.
bool clearTableBody(Engine& engine, int table, int slot);

// The clear button after its question: detection, one worker per selected printer behind the
// progress dialog, then one message per printer, its error lines or its success.
void runTableClear(Engine& engine, int table, int selection);

} // namespace morvelan::tables
