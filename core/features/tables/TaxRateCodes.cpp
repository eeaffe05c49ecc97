#include "core/features/tables/TaxRateCodes.h"

#include "core/base/TextTrim.h"
#include "core/features/tables/TableText.h"

#include <utility>

namespace morvelan::tables {
namespace {

constexpr char kFirstPosition = 'a';
constexpr char kLastPosition = 'r';

int rateType(char typeFlag) {
    return typeFlag == 1 ? 1 : 0;
}

const char* typeName(int type) {
    return type == 1 ? "ISSQN" : "ICMS";
}

} // namespace

char rateTypeLetter(int type) {
    return type == 1 ? 'S' : 'T';
}

bool acceptedRateCode(std::string_view code) {
    return code.size() == 2 && (code[0] == rateTypeLetter(0) || code[0] == rateTypeLetter(1)) &&
           code[1] >= kFirstPosition && code[1] <= kLastPosition;
}

std::vector<RateToRegister> ratesToRegister(const TaxRateRequest& edited) {
    std::vector<RateToRegister> rates;
    int registered[2] = {0, 0};
    for (int row = 0; row < kTaxRateRows && edited.codes[row][0] != '\0'; ++row) {
        const int type = rateType(edited.types[row]);
        const char position = static_cast<char>(kFirstPosition + registered[type]++);
        rates.push_back(
            {type, {rateTypeLetter(type), position}, trimmed(fieldText(edited.rates[row]))});
    }
    return rates;
}

std::optional<std::string> rateCodesFault(const TaxRateRequest& table) {
    // The last code seen, as (type, position): each must come after the one before it.
    std::pair<int, char> last{-1, '\0'};
    for (int row = 0; row < kTaxRateRows; ++row) {
        const std::string code = fieldText(table.codes[row]);
        const std::string rate = trimmed(fieldText(table.rates[row]));
        const std::string name = "a Alíquota " + twoDigits(row + 1);
        if (rate.empty() != code.empty()) {
            return rate.empty() ? name + " tem o código \"" + code + "\" e nenhum valor."
                                : name + " ( " + rate + " ) não tem código.";
        }
        if (code.empty()) {
            continue;
        }
        if (!acceptedRateCode(code)) {
            return name + " tem o código \"" + code +
                   "\", que a impressora não aceita (Ta a Tr para ICMS, Sa a Sr para ISSQN).";
        }
        const int type = rateType(table.types[row]);
        if (code[0] != rateTypeLetter(type)) {
            return name + " é de " + typeName(type) + ", mas tem o código \"" + code + "\".";
        }
        const std::pair<int, char> current{type, code[1]};
        if (current <= last) {
            return name + " tem o código \"" + code +
                   "\" fora da ordem em que a impressora lista as alíquotas (ICMS antes de "
                   "ISSQN, cada tipo pela letra, sem repetir).";
        }
        last = current;
    }
    return std::nullopt;
}

} // namespace morvelan::tables
