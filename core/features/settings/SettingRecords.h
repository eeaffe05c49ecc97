// The request data of the setting forms: sizes and offsets of each record. The leading bytes of
// each are the form's block of the working command file, so these layouts are a file format.
#pragma once

#include <cstddef>

namespace morvelan::settings {

// "Data e hora" (6.5): date DDMMAAAA, time hhmmss, then the library's raw clock reply.
inline constexpr std::size_t kClockRecordSize = 32;
inline constexpr std::size_t kClockDateOffset = 0, kClockDateWidth = 9;
inline constexpr std::size_t kClockTimeOffset = 9, kClockTimeWidth = 7;
// The reply keeps the date's characters first and the time's right after them, as the reading
// copies them into the two fields above.
inline constexpr std::size_t kClockReplyOffset = 16, kClockReplyLength = 15;

// "Horário de verão" (reading of 6.6): the printer's state as one 32-bit integer.
inline constexpr std::size_t kDaylightRecordSize = 4;

// "Clichê" (6.2): four lines of 56 characters, store and ECF numbers, two reading areas.
inline constexpr std::size_t kHeaderRecordSize = 471;
inline constexpr std::size_t kHeaderLineCount = 4;
inline constexpr std::size_t kHeaderLineWidth = 57;
inline constexpr std::size_t kHeaderStoreOffset = 228, kHeaderStoreWidth = 5;
inline constexpr std::size_t kHeaderEcfOffset = 233, kHeaderEcfWidth = 4;
// The reading keeps the library's two replies as they came: the four lines back to back, each as
// long as the printer's lines are, and the ECF number followed by the store number.
inline constexpr std::size_t kHeaderReplyOffset = 237, kHeaderReplyLength = 224;
inline constexpr std::size_t kHeaderNumbersOffset = 462, kHeaderNumbersLength = 8;
// A third-generation printer holds 56 characters a line, an older one 40.
inline constexpr std::size_t kMkiiiHeaderLineLength = 56, kOlderHeaderLineLength = 40;

// "Símbolo da moeda" (6.3).
inline constexpr std::size_t kCurrencyRecordSize = 5;

// "Porta de comunicação serial do ECF" (6.4): the speed as decimal text.
inline constexpr std::size_t kSpeedRecordSize = 6;

// "Desconto ISSQN" (6.11): "S", "N" or nothing.
inline constexpr std::size_t kIssqnRecordSize = 2;

} // namespace morvelan::settings
