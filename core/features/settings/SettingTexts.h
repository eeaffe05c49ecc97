// The small settings: daylight saving, serial speed, ISSQN discount and currency symbol — what
// their forms show for a value and which value a choice sends.
#pragma once

#include "core/features/common/FormRecord.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace morvelan::settings {

// ---- "Horário de verão" ----
inline constexpr const char* kInDaylightSaving = "IMPRESSORA EM HORÁRIO DE VERÃO";
inline constexpr const char* kOutOfDaylightSaving = "IMPRESSORA FORA DO HORÁRIO DE VERÃO";
// The state the printer reported in the reading record.
std::string daylightSavingText(std::span<const char> record);

// ---- "Porta de comunicação serial do ECF" ----
inline constexpr std::array<const char*, 4> kSpeedEntries = {"9600", "19200", "38400", "115200"};
// A speed the printer took applies only once it is switched off and on again.
inline constexpr const char* kPowerCycleMessage =
    "Para que a configuração seja aceita, é necessário desligar e ligar a impressora.";
// The list entry a stored speed selects: its own for 9600 and 19200, 38400 for anything else.
int speedIndex(std::span<const char> record);
// The speed the entry at `index` sends; none for 115200, which the six-byte record cannot carry,
// and for no selection, so that the printer never gets a speed nobody chose.
std::optional<std::string> speedToSend(int index);
// Why the entry at `index` is not sent.
std::string speedRefusal(int index);
FormRecord speedRecord(const std::string& speed);

// ---- "Desconto ISSQN" ----
inline constexpr std::array<const char*, 2> kIssqnEntries = {"Desconto em ISSQN HABILITADO",
                                                             "Desconto em ISSQN DESABILITADO"};
// The entry the record selects: 0 for "S", 1 for "N", -1 (none) otherwise.
int issqnIndex(std::span<const char> record);
// "S" for entry 0, "N" for entry 1, nothing without a selection.
FormRecord issqnRecord(int index);

// ---- "Símbolo da moeda" ----
inline constexpr const char* kCurrencyNote =
    "OBSERVAÇÃO: O GT será zerado no caso de troca de símbolo de moeda!";
std::string currencySymbol(std::span<const char> record);
FormRecord currencyRecord(const std::string& symbol);

} // namespace morvelan::settings
