#include "core/features/tables/TablePlan.h"

#include "core/base/TextTrim.h"
#include "core/features/tables/TableText.h"
#include "core/features/tables/TaxRateCodes.h"

#include <vector>

namespace morvelan::tables {
namespace {

std::string linkedText(bool linked) {
    return linked ? " ( Vínculado ) ]" : " ( Não Vínculado ) ]";
}

struct RateEntry {
    std::string code;
    std::string rate;
    char letter() const { return code.empty() ? '\0' : code[0]; }
};

RateEntry rateEntry(const TaxRateRequest& table, int row) {
    return {fieldText(table.codes[row]), trimmed(fieldText(table.rates[row]))};
}

std::string rateText(const RateEntry& entry) {
    return "[ " + entry.code + " - " + entry.rate + " ]";
}

} // namespace

std::string paymentPlanLines(const PaymentRequest& printer, PaymentRequest& edited) {
    std::string lines;
    for (int row = 1; row < kNamedRows; ++row) {
        const std::string nn = twoDigits(row + 1);
        const std::string p = trimmed(fieldText(printer.rows[row].name));
        const std::string e = trimmed(fieldText(edited.rows[row].name));
        const bool pLinked = printer.rows[row].linked == 1;
        const bool eLinked = edited.rows[row].linked == 1;
        const std::string start = "O meio de pagamento [ " + nn + " - " +
                                  (p.empty() ? e + linkedText(eLinked) : p + linkedText(pLinked));
        PaymentRowFlags& flags = edited.flags[row];
        if (p.empty() && !e.empty()) {
            lines += start + " SERÁ CADASTRADO\n";
            flags.register_ = 1;
        } else if (!p.empty() && e.empty()) {
            lines += start + " SERÁ APAGADO\n";
            flags.remove = 1;
        } else if (!p.empty() && (p != e || pLinked != eLinked)) {
            lines +=
                start + " SERÁ SUBSTITUÍDO POR [ " + nn + " - " + e + linkedText(eLinked) + "\n";
            flags.remove = 1;
            flags.register_ = 1;
        }
    }
    return lines;
}

std::string namedPlanLines(const char (&printer)[kNamedRows][kNameSize],
                           const char (&edited)[kNamedRows][kNameSize], int table) {
    const std::string prefix =
        table == kReportTable ? "O relatório gerencial ( " : "O Totalizador Não-Fiscal ( ";
    std::string lines;
    for (int row = 0; row < kNamedRows; ++row) {
        const std::string p = trimmed(fieldText(printer[row]));
        const std::string e = trimmed(fieldText(edited[row]));
        if (p == e) {
            continue;
        }
        const std::string start = prefix + twoDigits(row + 1) + " ) [ ";
        if (!p.empty() && !e.empty()) {
            lines += start + p + " ] SERÁ SUBSTITUÍDO POR [ " + e + " ]\n";
        } else if (!p.empty()) {
            lines += start + p + " ] SERÁ APAGADO\n";
        } else {
            lines += start + e + " ] SERÁ CADASTRADO\n";
        }
    }
    return lines;
}

std::string taxRatePlanLines(const TaxRateRequest& printer, const TaxRateRequest& edited) {
    const std::vector<RateToRegister> sent = ratesToRegister(edited);
    std::string lines;
    // The printer lists its ICMS rates before its ISSQN ones: one cursor walks them both.
    int cursor = 0;
    for (const int type : {0, 1}) {
        std::vector<RateEntry> held;
        for (; cursor < kTaxRateRows; ++cursor) {
            const RateEntry p = rateEntry(printer, cursor);
            if (p.rate.empty() || p.letter() != rateTypeLetter(type)) {
                break;
            }
            held.push_back(p);
        }
        std::size_t next = 0;
        for (const RateToRegister& rate : sent) {
            if (rate.type != type) {
                continue;
            }
            const RateEntry e{rate.code, rate.rate};
            if (next >= held.size()) {
                lines += "A alíquota " + rateText(e) + " SERÁ CADASTRADA\n";
            } else if (const RateEntry& p = held[next++]; p.rate != e.rate) {
                lines +=
                    "A alíquota " + rateText(p) + " SERÁ SUBSTITUÍDO POR " + rateText(e) + "\n";
            }
        }
        // The write empties the table first: what the printer holds beyond the rates sent goes.
        for (; next < held.size(); ++next) {
            lines += "A alíquota " + rateText(held[next]) + " SERÁ APAGADA\n";
        }
    }
    return lines;
}

} // namespace morvelan::tables
