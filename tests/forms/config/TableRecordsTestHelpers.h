// Building table records and rows the way the printer and the forms fill them.
#pragma once

#include "core/base/Cp1252.h"
#include "core/features/tables/TableCollect.h"
#include "core/features/tables/TableRecords.h"
#include "core/features/tables/TableText.h"

#include <string>
#include <vector>

namespace morvelan::tables::test {

inline void setName(char (&field)[kNameSize], const std::string& utf8) {
    setField(field, utf8);
}

inline ReportRequest reportsWith(const std::vector<std::string>& names) {
    ReportRequest record{};
    for (std::size_t row = 0; row < names.size(); ++row) {
        setName(record.names[row], names[row]);
    }
    return record;
}

// Form rows holding `texts`, padded with empty rows to `count`.
inline FormRows formRows(const std::vector<std::string>& texts, std::size_t count = 20) {
    FormRows rows(count);
    for (std::size_t row = 0; row < texts.size(); ++row) {
        rows[row].text = texts[row];
    }
    return rows;
}

struct Rate {
    std::string code, rate;
};
inline TaxRateRequest ratesWith(const std::vector<Rate>& rates) {
    TaxRateRequest record{};
    for (std::size_t row = 0; row < rates.size(); ++row) {
        record.types[row] = rates[row].code[0] == 'S' ? 1 : 0;
        setField(record.codes[row], rates[row].code);
        setField(record.rates[row], rates[row].rate);
    }
    return record;
}

} // namespace morvelan::tables::test
