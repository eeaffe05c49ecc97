// The read worker's bodies of the four tables (6.7 to 6.10): the library's raw reply goes into
// the record's reading area and is then parsed into the record's rows.
#pragma once

#include <span>

namespace morvelan {
class OperationTable;
}

namespace morvelan::tables {

// Parsing of a raw reply into the rows of a zeroed record; exposed for the tests of odd replies.
void parsePaymentReading(std::span<char> data);
void parseNamedReading(std::span<char> data, int table);
void parseTaxRateReading(std::span<char> data);

void registerTableReadings(OperationTable& readings);

} // namespace morvelan::tables
