// One exchange of the raw protocol against a state held in memory: the line checks, the
// injected failures, the command, and the status text. No files, ports or locks here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "Command.h"
#include "PrinterState.h"

namespace korva {

inline constexpr std::size_t kMaxCommandLine = 1024;

struct ProtocolResult {
    Reply reply;        // answer fields in UTF-8
    std::string status; // 20 characters
};

// `now` is the printer's clock in seconds.
ProtocolResult runCommand(PrinterState& state, std::string_view line, std::int64_t now);

} // namespace korva
