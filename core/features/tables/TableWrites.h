// The worker's write bodies of operations 6.7 to 6.10 and the registration of the table
// module's bodies and readings with the engine.
#pragma once

namespace morvelan {
class Engine;
struct WorkerArgument;
} // namespace morvelan

namespace morvelan::tables {

// Each returns 0 when every call succeeded (or nothing was to be sent) and 1 otherwise; the
// failures are lines in the slot's tableErrorText.
int writePayments(Engine& engine, WorkerArgument& argument);
int writeReports(Engine& engine, WorkerArgument& argument);
int writeTaxRates(Engine& engine, WorkerArgument& argument);
int writeNonFiscal(Engine& engine, WorkerArgument& argument);

// The write bodies of 6.7 to 6.10 and the readings of the four tables.
void registerTableOperations(Engine& engine);

} // namespace morvelan::tables
