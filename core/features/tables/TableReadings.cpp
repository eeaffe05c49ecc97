#include "core/features/tables/TableReadings.h"

#include "core/engine/Engine.h"
#include "core/engine/OperationTable.h"
#include "core/features/tables/TableRecords.h"
#include "core/features/tables/TableText.h"

#include <cstring>
#include <string>

namespace morvelan::tables {
namespace {

using E = LibraryEntries;

// Entry widths of the numbered replies; every entry starts with its two-digit number and the
// 15-character name.
constexpr std::size_t kPaymentEntry = 44;
constexpr std::size_t kReportEntry = 21;
constexpr std::size_t kNonFiscalEntry = 34;
constexpr std::size_t kTaxRateEntry = 23;

// A two-digit entry number, 0 when the characters are not two digits.
int entryNumber(const char* entry) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return digit(entry[0]) && digit(entry[1]) ? (entry[0] - '0') * 10 + (entry[1] - '0') : 0;
}

// The entries of a numbered reply, each handed with the zero-based row of its number; entries
// numbered outside 01..20 are skipped.
template <typename Visit>
void forEachNumbered(const char* reading, std::size_t size, std::size_t width, Visit visit) {
    for (std::size_t pos = 0; pos + width <= size; pos += width) {
        const char* entry = reading + pos;
        const int number = entryNumber(entry);
        if (number >= 1 && number <= kNamedRows) {
            visit(static_cast<std::size_t>(number - 1), entry);
        }
    }
}

void copyName(char (&name)[kNameSize], const char* entry) {
    std::memset(name, 0, kNameSize);
    std::memcpy(name, entry + 2, strnlen(entry + 2, kNameLength));
}

// Calls a table reading into a buffer one byte longer than the reading area (the replies fill
// the area exactly) and keeps the raw reply in the record.
template <std::size_t N> int readRaw(Engine& engine, int (*E::*entry)(char*), char (&area)[N]) {
    std::string reading(N + 1, '\0');
    const int result = engine.call(entry, reading.data());
    std::memcpy(area, reading.data(), N);
    return result;
}

template <typename R>
int readTable(Engine& engine, WorkerArgument& a, int (*E::*entry)(char*),
              void (*parse)(std::span<char>)) {
    R record = loadRecord<R>(a.data);
    const int result = readRaw(engine, entry, record.reading);
    storeRecord(record, a.data);
    if (result == 0) {
        parse(a.data);
    }
    return result;
}

} // namespace

void parsePaymentReading(std::span<char> data) {
    auto record = loadRecord<PaymentRequest>(data);
    forEachNumbered(record.reading, sizeof record.reading, kPaymentEntry,
                    [&record](std::size_t row, const char* entry) {
                        copyName(record.rows[row].name, entry);
                        record.rows[row].linked = entry[kPaymentEntry - 1] == 'S' ? 1 : 0;
                    });
    storeRecord(record, data);
}

void parseNamedReading(std::span<char> data, int table) {
    // Reports and non-fiscal totalizers share the row layout; only the reply differs.
    auto record = loadRecord<NonFiscalRequest>(data);
    const bool reports = table == kReportTable;
    const std::size_t size = reports ? sizeof(ReportRequest::reading) : sizeof record.reading;
    forEachNumbered(
        record.reading, size, reports ? kReportEntry : kNonFiscalEntry,
        [&record](std::size_t row, const char* entry) { copyName(record.names[row], entry); });
    storeRecord(record, data.first(std::min(data.size(), offsetof(NonFiscalRequest, reading))));
}

void parseTaxRateReading(std::span<char> data) {
    auto record = loadRecord<TaxRateRequest>(data);
    for (std::size_t row = 0; row < kTaxRateRows; ++row) {
        const char* entry = record.reading + row * kTaxRateEntry;
        if (entry[0] != 'T' && entry[0] != 'S') {
            break;
        }
        record.types[row] = entry[0] == 'S' ? 1 : 0;
        std::memset(record.codes[row], 0, sizeof record.codes[row]);
        std::memcpy(record.codes[row], entry, 2);
        std::memset(record.rates[row], 0, sizeof record.rates[row]);
        std::memcpy(record.rates[row], entry + 2, strnlen(entry + 2, kRateLength));
    }
    storeRecord(record, data);
}

void registerTableReadings(OperationTable& readings) {
    readings.add(6, kPaymentTable, [](Engine& engine, WorkerArgument& a) {
        return readTable<PaymentRequest>(engine, a, &E::Obter_Tabela_Pagamentos,
                                         parsePaymentReading);
    });
    readings.add(6, kReportTable, [](Engine& engine, WorkerArgument& a) {
        return readTable<ReportRequest>(
            engine, a, &E::Obter_Tabela_Relatorios_Gerenciais,
            [](std::span<char> data) { parseNamedReading(data, kReportTable); });
    });
    readings.add(6, kTaxRateTable, [](Engine& engine, WorkerArgument& a) {
        return readTable<TaxRateRequest>(engine, a, &E::Obter_Tabela_Aliquotas,
                                         parseTaxRateReading);
    });
    readings.add(6, kNonFiscalTable, [](Engine& engine, WorkerArgument& a) {
        return readTable<NonFiscalRequest>(
            engine, a, &E::Obter_Tabela_NaoFiscais,
            [](std::span<char> data) { parseNamedReading(data, kNonFiscalTable); });
    });
}

} // namespace morvelan::tables
