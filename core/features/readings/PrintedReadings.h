// The printed fiscal readings (LX, RZ, LMF, MFD, the opening LX): their texts and the request
// blocks the RZ, LMF and MFD forms hand to the engine, which are also their blocks of the command
// file. No Qt; texts UTF-8. The forms check nothing: the printer judges the values.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace morvelan {

inline constexpr int kPrintedReadingsGroup = 8;

inline constexpr const char* kReadingXText = "Imprime uma Leitura X no ECF.";
inline constexpr const char* kOpeningReadingXText =
    "Imprime uma Leitura X de abertura de jornada no ECF, caso seja possível. Se não for possível "
    "exibir o erro com o motivo";

// ---- RZ: date at 0 (8 characters), time at 9 (6), action index at 16, 8 zero bytes at 20 ----
inline constexpr std::size_t kZReductionRecordSize = 28;
inline constexpr std::size_t kDateLength = 8;
inline constexpr std::size_t kTimeLength = 6;
inline constexpr std::size_t kZReductionDateOffset = 0, kZReductionTimeOffset = 9;
inline constexpr std::size_t kZReductionActionOffset = 16;
inline constexpr std::size_t kZReductionReservedOffset = 20, kZReductionReservedSize = 8;
inline constexpr std::array<const char*, 3> kDaylightActions = {
    "Sair do Horário de Verão", "Entar em Horário de Verão", "Não alterar o estado atual"};
// The action the form selects whenever it is shown.
inline constexpr int kKeepDaylightSaving = 2;

struct ZReduction {
    std::string date, time;
    int action = -1; // index of the selection, -1 with none
};
void putZReduction(std::span<char> record, const ZReduction& values);
ZReduction zReductionIn(std::span<const char> record);

// ---- LMF and MFD: start at 0 and end at 9 (8 characters each) ----
// LMF (28 bytes): print-type index at 20, range-type index at 24.
// MFD (24 bytes): range-type index at 20.
inline constexpr std::size_t kFiscalMemoryRecordSize = 28;
inline constexpr std::size_t kDetailMemoryRecordSize = 24;
inline constexpr std::size_t kRangeLength = 8;
inline constexpr std::size_t kRangeStartOffset = 0, kRangeEndOffset = 9;
inline constexpr std::size_t kRangeFirstIndexOffset = 20, kRangeSecondIndexOffset = 24;
// A send passes the end as far as the first index, where the forms' own field is shorter.
inline constexpr std::size_t kRangeEndSendWidth = kRangeFirstIndexOffset - kRangeEndOffset;
inline constexpr std::array<const char*, 2> kPrintTypes = {"Modo Completo", "Modo Simplificado"};
inline constexpr std::array<const char*, 2> kFiscalMemoryRanges = {"Faixa em CRZ", "Faixa em Data"};
inline constexpr std::array<const char*, 3> kDetailMemoryRanges = {"Faixa em CRZ", "Faixa em Data",
                                                                   "Faixa em COO"};

struct ReadingRange {
    std::string start, end;
    int printType = -1; // LMF only
    int rangeType = -1;
};
void putFiscalMemoryReading(std::span<char> record, const ReadingRange& values);
ReadingRange fiscalMemoryReadingIn(std::span<const char> record);
void putDetailMemoryReading(std::span<char> record, const ReadingRange& values);
ReadingRange detailMemoryReadingIn(std::span<const char> record);

} // namespace morvelan
