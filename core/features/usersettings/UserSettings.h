// What the four user and number settings forms ("Operador", "Incluir IM (MKIII)", "Casas
// Decimais (MKIII)", "Arredonda/Trunca/Fabricação Própria (MKIII)") put into their request data,
// what they show of a reading, and the checks they make before sending. No Qt; texts UTF-8.
#pragma once

#include "core/features/common/FormRecord.h"
#include "core/features/common/FormServices.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace morvelan::fiscal {

// Operation steps in "Configuração"; the forms read with the same codes in both modes.
inline constexpr int kOperatorStep = 15;
inline constexpr int kMunicipalStep = 16;
inline constexpr int kDecimalsStep = 17;
inline constexpr int kRoundingStep = 18;

// ---- Request data ----
// Operator: the name in bytes 0-19 (20 characters, zero-terminated when shorter), then one byte
// that the reading fills and the form keeps as it is.
inline constexpr std::size_t kOperatorRecordSize = 21;
inline constexpr std::size_t kOperatorLength = 20;
// I.M: up to 20 characters at the start; the reading puts the printer's 15 there.
inline constexpr std::size_t kMunicipalRecordSize = 71;
inline constexpr std::size_t kMunicipalLength = 20;
inline constexpr std::size_t kMunicipalReadLength = 15;
// Decimals: quantity text at 0, unit-price text at 4, up to 2 characters each.
inline constexpr std::size_t kDecimalsRecordSize = 15;
inline constexpr std::size_t kQuantityOffset = 0;
inline constexpr std::size_t kPriceOffset = 4;
inline constexpr std::size_t kDecimalsWidth = 3;
// A send passes each decimals text as far as its field reaches: the quantity up to the price,
// the price up to the end of the record.
inline constexpr std::size_t kQuantitySendWidth = kPriceOffset - kQuantityOffset;
inline constexpr std::size_t kPriceSendWidth = kDecimalsRecordSize - kPriceOffset;
// Rounding: one letter at 0, one at 2. What the form sends is "A" or "T" and "S" or "N"; what the
// printer answers is "S" (rounds) or anything else (truncates), and "S" or "N".
inline constexpr std::size_t kRoundingRecordSize = 4;
inline constexpr std::size_t kRoundingOffset = 0;
inline constexpr std::size_t kOwnManufactureOffset = 2;
// Each letter with its terminating zero.
inline constexpr std::size_t kRoundingLetterWidth = 2;

// ---- The library's replies, as these readings and the taxpayer reading cut them ----
// User data: the C.N.P.J in the first 18 characters, then the I.E and the I.M, 15 each.
inline constexpr std::size_t kUserReplySize = 52;
inline constexpr std::size_t kUserIdLength = 18;
inline constexpr std::size_t kUserStateOffset = 18;
inline constexpr std::size_t kUserMunicipalOffset = 33;
inline constexpr std::size_t kUserRegistrationLength = kMunicipalReadLength;
// Decimals: the quantity's digits first, the price's from the fourth character.
inline constexpr std::size_t kDecimalsReplySize = 6;
inline constexpr std::size_t kDecimalsReplyPriceOffset = 3;
inline constexpr std::size_t kDecimalsDigits = kDecimalsWidth - 1;

// ---- Texts ----
inline constexpr const char* kMkiiiOnly =
    "Esta função só pode ser utilizada com um equipamento MKIII.\n";
inline constexpr const char* kDecimalsSelected = "Número de casas selecionado com sucesso.";
inline constexpr const char* kQuantityNotSelected =
    "Selecione o número de casas decimais para a Quantidade.\n";
inline constexpr const char* kPriceNotSelected =
    "Selecione o número de casas decimais para o Preço Unitário.\n";
inline constexpr std::array<const char*, 2> kDecimalChoices = {"2", "3"};
inline constexpr std::array<const char*, 2> kRoundingChoices = {"Arredonda", "Trunca"};
inline constexpr std::array<const char*, 2> kYesNoChoices = {"Sim", "Não"};

// ---- Third-generation guard ----
// True when the first printer slot holds a printer that is not a third-generation one: the MKIII
// functions are then refused.
bool refusesMkiiiFunction(const FormServices& services);

// ---- Operator and I.M ----
// Writes the name into bytes 0-19 (cut to 20 characters), leaving byte 20 alone.
void putOperator(std::span<char> record, std::string_view name);
std::string operatorName(std::span<const char> record);
void putMunicipalRegistration(std::span<char> record, std::string_view im);
std::string municipalRegistration(std::span<const char> record);

// ---- Decimals ----
struct DecimalPreset {
    int quantity;      // index into kDecimalChoices
    int price;         // index into kDecimalChoices
    bool listsEnabled; // the custom preset lets the technician choose
    bool announce;     // shows kDecimalsSelected
};
// The three buttons, in order: "&Casas (PADRÃO)", "Casas (POSTO DE &COMBUSTÍVEL)",
// "Casas (&PERSONALIZADAS)".
inline constexpr std::array<const char*, 3> kDecimalPresetCaptions = {
    "&Casas (PADRÃO)", "Casas (POSTO DE &COMBUSTÍVEL)", "Casas (&PERSONALIZADAS)"};
inline constexpr std::array<DecimalPreset, 3> kDecimalPresets = {DecimalPreset{1, 0, false, true},
                                                                 DecimalPreset{1, 1, false, true},
                                                                 DecimalPreset{1, 0, true, false}};

// The list entry of a decimals text ("2", "03"...), read as an integer; -1 for anything but 2
// or 3.
int decimalIndex(std::string_view text);
// The collected messages for the two decimals texts (empty when both are 2 or 3).
std::string decimalErrors(std::string_view quantity, std::string_view price);
void putDecimals(std::span<char> record, std::string_view quantity, std::string_view price);

// ---- Rounding and own manufacture ----
// List indices (-1: no selection) of what the record holds.
struct RoundingChoice {
    int rounding = -1;
    int ownManufacture = -1;
};
// From the values the form last sent ("A"/"T", "S"/"N").
RoundingChoice roundingSent(std::span<const char> record);
// From the printer's answer: "S" rounds, anything else truncates; "S"/"N", else no selection.
RoundingChoice roundingRead(std::span<const char> record);
// The letters of the selections; nothing selected writes no letter.
void putRounding(std::span<char> record, RoundingChoice choice);

} // namespace morvelan::fiscal
