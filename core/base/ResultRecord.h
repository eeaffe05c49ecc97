// The outcome of one printer operation for one printer slot, as the worker leaves it and the
// response panel shows it. A fixed byte layout: zero-filled before every run, texts
// zero-terminated Windows-1252.
#pragma once

#include <cstddef>
#include <cstdint>

namespace morvelan {

struct ResultRecord {
    std::int32_t resultCode;     // the library's return value (0 = success)
    char fieldErrorText[61];     // "Estado dos Parâmetros:"
    char portStatusText[61];     // "Estado da Comunicação:"
    char printerStatusText[571]; // "Estado da Impressora:"
    char fiscalStatusText[571];  // "Estado Fiscal da Impressora:"
    char resultLine[572];        // "Estado da Execução do Comando:"
};

static_assert(sizeof(ResultRecord) == 1840);
static_assert(offsetof(ResultRecord, fieldErrorText) == 4);
static_assert(offsetof(ResultRecord, portStatusText) == 65);
static_assert(offsetof(ResultRecord, printerStatusText) == 126);
static_assert(offsetof(ResultRecord, fiscalStatusText) == 697);
static_assert(offsetof(ResultRecord, resultLine) == 1268);

// The result line of a run that succeeded.
inline constexpr const char* kSuccessResultLine = "( 0000 ) - Resultado sem erro";

} // namespace morvelan
