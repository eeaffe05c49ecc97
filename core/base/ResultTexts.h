// The five texts of an outcome, in the order and under the captions every view of it shows them:
// the response panel, the script editor's answer, the command line and the history export.
#pragma once

#include "core/base/Cp1252.h"
#include "core/base/ResultRecord.h"

#include <array>
#include <string>

namespace morvelan {

inline constexpr std::size_t kResultTextCount = 5;
inline constexpr std::array<const char*, kResultTextCount> kResultCaptions = {
    "Estado da Execução do Comando:", "Estado dos Parâmetros:", "Estado da Comunicação:",
    "Estado da Impressora:", "Estado Fiscal da Impressora:"};

// The record's texts in caption order, in UTF-8.
inline std::array<std::string, kResultTextCount> resultTexts(const ResultRecord& result) {
    return {fromCp1252Field(result.resultLine), fromCp1252Field(result.fieldErrorText),
            fromCp1252Field(result.portStatusText), fromCp1252Field(result.printerStatusText),
            fromCp1252Field(result.fiscalStatusText)};
}

} // namespace morvelan
