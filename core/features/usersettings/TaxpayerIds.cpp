#include "core/features/usersettings/TaxpayerIds.h"

namespace morvelan::fiscal {
namespace {

constexpr std::size_t kCpfLength = 11;
constexpr std::size_t kCpfBody = 9;
constexpr std::size_t kCnpjBody = 12;
constexpr int kCnpjLastWeight = 9;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isUpperLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

// The characters an identifier may hold: a C.P.F digits only, a C.N.P.J digits and upper-case
// letters with its two check digits numeric. The weighted sum of anything else can even reach
// a "digit" that is a letter; such texts are refused before they are weighed.
bool wellFormed(std::string_view text, bool cpf) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool checkPosition = i + 2 >= text.size();
        if (!isDigit(c) && (cpf || checkPosition || !isUpperLetter(c)))
            return false;
    }
    return true;
}

char checkDigit(std::string_view body, bool cpf) {
    int sum = 0;
    int weight = 2;
    for (auto it = body.rbegin(); it != body.rend(); ++it) {
        sum += (*it - '0') * weight;
        ++weight;
        if (!cpf && weight > kCnpjLastWeight)
            weight = 2;
    }
    const int r = sum % 11;
    return r < 2 ? '0' : static_cast<char>('0' + 11 - r);
}

} // namespace

std::string taxpayerIdForCheck(std::string_view typed) {
    const auto first = typed.find_first_not_of(" \t");
    const auto last = typed.find_last_not_of(" \t");
    std::string id;
    if (first == std::string_view::npos)
        return id;
    for (char c : typed.substr(first, last - first + 1)) {
        if (c == '.' || c == '/' || c == '-')
            continue;
        id += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return id;
}

bool checkDigitsValid(std::string_view digits) {
    const bool cpf = digits.size() == kCpfLength;
    if (!wellFormed(digits, cpf))
        return false;
    std::string expected(digits.substr(0, cpf ? kCpfBody : kCnpjBody));
    expected += checkDigit(expected, cpf);
    expected += checkDigit(expected, cpf);
    return expected == digits;
}

bool registrationInvalid(std::string_view registration) {
    return !registration.empty() &&
           registration.find_first_not_of(" .0/-") == std::string_view::npos;
}

} // namespace morvelan::fiscal
