// What the command line's commands share in their output.
#pragma once

#include "core/base/Cp1252.h"
#include "core/base/ResultRecord.h"
#include "core/base/ResultTexts.h"

#include <cstdio>
#include <string>

namespace morvelan::cli {

// The printer answered the command without error.
inline bool succeeded(const ResultRecord& result) {
    return fromCp1252Field(result.resultLine) == kSuccessResultLine;
}

// A function's code as the tree and `morvelan-cli list` show it: "06.02".
inline std::string codeText(int type, int step) {
    char text[16] = {};
    std::snprintf(text, sizeof text, "%02d.%02d", type, step);
    return text;
}

} // namespace morvelan::cli
