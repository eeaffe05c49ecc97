// The printer and fiscal status words, built from the state with exactly the bits that the
// program's status decoding reads, and the 20-character status text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "PrinterState.h"

namespace korva {

std::uint16_t printerWord(const PrinterState& state);
std::uint16_t fiscalWord(const PrinterState& state);

struct StatusFields {
    int fieldError = 0;
    int fieldNumber = 0;
    std::string returnCode = "0000";
};

std::string statusText(const PrinterState& state, const StatusFields& fields);

} // namespace korva
