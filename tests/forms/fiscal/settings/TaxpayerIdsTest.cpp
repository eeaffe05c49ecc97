// The check digits of C.N.P.J and C.P.F against worked examples and against an oracle written
// from the published rule (weights listed left to right, as the rule is published), over
// generated numbers and every one-character corruption of them.
#include "core/features/usersettings/TaxpayerIds.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

namespace morvelan::fiscal {
namespace {

// ---- The oracle ----
constexpr std::array<int, 12> kCnpjFirst = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr std::array<int, 13> kCnpjSecond = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr std::array<int, 9> kCpfFirst = {10, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr std::array<int, 10> kCpfSecond = {11, 10, 9, 8, 7, 6, 5, 4, 3, 2};

template <std::size_t N> char officialDigit(const std::string& text, const std::array<int, N>& w) {
    int sum = 0;
    for (std::size_t i = 0; i < N; ++i)
        sum += (static_cast<unsigned char>(text[i]) - 48) * w[i];
    const int r = sum % 11;
    return static_cast<char>('0' + (r < 2 ? 0 : 11 - r));
}

bool officialCnpj(const std::string& t) {
    if (t.size() != 14)
        return false;
    for (std::size_t i = 0; i < 14; ++i) {
        const char c = t[i];
        const bool digit = c >= '0' && c <= '9';
        if (!digit && (i >= 12 || c < 'A' || c > 'Z'))
            return false;
    }
    return t[12] == officialDigit(t, kCnpjFirst) && t[13] == officialDigit(t, kCnpjSecond);
}

bool officialCpf(const std::string& t) {
    if (t.size() != 11 || t.find_first_not_of("0123456789") != std::string::npos)
        return false;
    return t[9] == officialDigit(t, kCpfFirst) && t[10] == officialDigit(t, kCpfSecond);
}

std::string withDigits(std::string body, bool cpf) {
    if (cpf) {
        body += officialDigit(body + "00", kCpfFirst);
        body += officialDigit(body + "0", kCpfSecond);
    } else {
        body += officialDigit(body + "00", kCnpjFirst);
        body += officialDigit(body + "0", kCnpjSecond);
    }
    return body;
}

TEST(CheckDigits, WorkedExamples) {
    const std::pair<const char*, bool> cases[] = {
        {"11222333000181", true},  {"00000000000000", true},
        {"11144477735", true},     {"12ABC34501DE35", true},
        {"11222333000182", false}, {"11144477736", false},
        {"1122233300018", false},  {"112223330001810", false},
        {"112223330001", false},   {"", false},
        {"12abc34501de35", false}, {"111444777AB", false},
        {"12ABC34501DEA5", false}, {"1114447773A", false},
    };
    for (const auto& [text, valid] : cases)
        EXPECT_EQ(checkDigitsValid(text), valid) << text;
}

TEST(CheckDigits, TypedIdentifierIsJudgedOnItsUpperCaseCharactersWithoutPunctuation) {
    const std::pair<const char*, const char*> cases[] = {
        {"11.222.333/0001-81", "11222333000181"},
        {"  12.abc.345/01de-35 ", "12ABC34501DE35"},
        {"111.444.777-35", "11144477735"},
        {"   ", ""},
    };
    for (const auto& [typed, id] : cases)
        EXPECT_EQ(taxpayerIdForCheck(typed), id) << typed;
    EXPECT_TRUE(checkDigitsValid(taxpayerIdForCheck(" 12.abc.345/01de-35")));
}

TEST(CheckDigits, AgreesWithTheOfficialRuleOnGeneratedNumbersAndTheirCorruptions) {
    std::mt19937 random(20260712);
    const std::string numeric = "0123456789";
    const std::string alphanumeric = numeric + "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    auto pick = [&](const std::string& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    int valid = 0, corruptions = 0;
    for (int n = 0; n < 3000; ++n) {
        const int kind = n % 3; // numeric C.N.P.J, alphanumeric C.N.P.J, C.P.F
        const bool cpf = kind == 2;
        std::string body;
        for (std::size_t i = 0; i < (cpf ? 9U : 12U); ++i)
            body += pick(kind == 1 ? alphanumeric : numeric);
        const std::string number = withDigits(body, cpf);
        ASSERT_TRUE(checkDigitsValid(number)) << number;
        ++valid;
        for (std::size_t at = 0; at < number.size(); ++at) {
            std::string corrupt = number;
            while (corrupt[at] == number[at])
                corrupt[at] = pick(alphanumeric);
            const bool expected = cpf ? officialCpf(corrupt) : officialCnpj(corrupt);
            ASSERT_EQ(checkDigitsValid(corrupt), expected) << number << " -> " << corrupt;
            ++corruptions;
        }
    }
    EXPECT_EQ(valid, 3000);
    EXPECT_GT(corruptions, 35000);
}

TEST(Registration, OnlyBlanksPointsZerosSlashesAndDashesAreNoRegistration) {
    const std::pair<const char*, bool> cases[] = {
        {"ISENTO", false}, {"123.456.789", false}, {"", false},
        {"0.0/0-0", true}, {"   ", true},          {"000000000000", true},
    };
    for (const auto& [text, invalid] : cases)
        EXPECT_EQ(registrationInvalid(text), invalid) << text;
}

} // namespace
} // namespace morvelan::fiscal
