// What the information readings show, worked out from the texts the printer answers (in its
// code page). What these functions return is UTF-8, ready for the fields.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvelan {

// Request data sizes of the readings. The printer data and fiscal-day texts fill their slot to
// the last character, so each record keeps one more zero byte after them.
inline constexpr std::size_t kPrinterDataRecordSize = 109;
inline constexpr std::size_t kFiscalDayRecordSize = 68;
inline constexpr std::size_t kMicroswitchRecordSize = 2;

// ---- Serialization data (7.2): six fields cut out of the 108-character printer data ----
inline constexpr std::size_t kSerializationFieldCount = 6;
inline constexpr std::array<const char*, kSerializationFieldCount> kSerializationLabels = {
    "Número de série da memória fiscal",
    "Número de série da MFD",
    "Fabricante do ECF",
    "Modelo do ECF",
    "Tipo do ECF",
    "Versão do Software Básico"};
std::array<std::string, kSerializationFieldCount> serializationFields(std::string_view data);

// ---- Fiscal-day data (7.6) ----
inline constexpr std::size_t kFiscalDayFieldCount = 13;
inline constexpr std::array<const char*, kFiscalDayFieldCount> kFiscalDayLabels = {
    "Data do início da jornada fiscal",
    "Hora do início da jornada fiscal",
    "Data do final da jornada fiscal (se Z emitido)",
    "Hora do final da jornada fiscal (se Z emitido)",
    "COO inicial",
    "COO final (se Z emitido)",
    "Última redução Z",
    "Relatórios Z restantes",
    "Primeiro Cupom Fiscal",
    "Último Cupom Fiscal",
    "Estado da jornada",
    "Período da jornada",
    "Permissão de início de dia"};
// The thirteen display texts, in label order; nothing when the day has no start date.
std::optional<std::array<std::string, kFiscalDayFieldCount>> fiscalDayFields(std::string_view data);

// "DDMMAAAA" -> "DD/MM/AAAA", "hhmmss" -> "hh:mm:ss"; a shorter text gets the separators that
// fit.
std::string withSeparators(std::string_view text, char separator);

// ---- Microswitches (7.15) ----
inline constexpr std::size_t kMicroswitchCount = 8;
inline constexpr std::array<const char*, kMicroswitchCount> kMicroswitchLabels = {
    "P1-P2 (SW1)",  "P3-P4 (SW2)",   "P5-P6 (SW3)",   "P7-P8 (SW4)",
    "P9-P10 (SW5)", "P11-P12 (SW6)", "P13-P14 (SW7)", "P15-P16 (SW8)"};
// SW1 to SW6 are one bit each; SW7 answers for either of two bits.
inline constexpr std::array<std::uint16_t, kMicroswitchCount> kMicroswitchMasks = {
    0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x30, 0x40};
// "ON" or "OFF" per switch.
std::array<std::string, kMicroswitchCount> microswitchTexts(std::uint16_t value);

} // namespace morvelan
