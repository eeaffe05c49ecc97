#include "TaxpayerIds.h"

#include <string>

namespace korva::ids {
namespace {

char checkDigit(const std::string& body, bool cpf) {
    int sum = 0;
    int weight = 2;
    for (auto it = body.rbegin(); it != body.rend(); ++it) {
        sum += (*it - '0') * weight;
        ++weight;
        if (!cpf && weight > 9) {
            weight = 2;
        }
    }
    const int r = sum % 11;
    return r < 2 ? '0' : static_cast<char>('0' + 11 - r);
}

} // namespace

bool validTaxpayerId(std::string_view digits) {
    if (digits.size() != 11 && digits.size() != 14) {
        return false;
    }
    const bool cpf = digits.size() == 11;
    // Since July 2026 a C.N.P.J may carry upper-case letters before its two check digits; they
    // count as their character code minus that of "0".
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const char c = digits[i];
        const bool letterAllowed = !cpf && i < 12;
        if (!(c >= '0' && c <= '9') && !(letterAllowed && c >= 'A' && c <= 'Z')) {
            return false;
        }
    }
    std::string body(digits.substr(0, cpf ? 9 : 12));
    body += checkDigit(body, cpf);
    body += checkDigit(body, cpf);
    return body == digits;
}

bool plausibleRegistration(std::string_view text) {
    return text.find_first_not_of(" .0/-") != std::string_view::npos;
}

} // namespace korva::ids
