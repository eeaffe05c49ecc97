// The readable summary that "korva-sim show" prints.
#pragma once

#include <cstdint>
#include <ostream>

#include "PrinterState.h"

namespace korva::sim {

// `printerNow` is the printer's clock in seconds.
void printSummary(std::ostream& out, const PrinterState& state, std::int64_t printerNow);

} // namespace korva::sim
