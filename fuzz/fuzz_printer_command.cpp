// Sends any bytes to the virtual printer as raw command lines, one a line, as the library's
// raw-command entry points hand them over: whatever arrives, every answer carries a whole status
// text, a refusal answers no fields and prints nothing, a printer no command says it changed is
// unchanged, and the printer is left in a state its state file can hold.
#include "FuzzCheck.h"
#include "InputShare.h"
#include "Models.h"
#include "Protocol.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include <nlohmann/json.hpp>

namespace {

using namespace korva;
namespace fuzz = morvelan::fuzz;

using morvelan::fuzz::Check;

// A new printer is in technical intervention, so the table and setting commands are reached.
const PrinterState& NewPrinter() {
    static const PrinterState state = freshPrinter(defaultModel());
    return state;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    PrinterState state = NewPrinter();
    std::int64_t now = 1'780'000'000;
    std::size_t start = 0;
    bool changed = false;
    for (int lines = 0; lines < 64 && start <= text.size(); ++lines) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const ProtocolResult result = runCommand(state, text.substr(start, end - start), now);
        Check(result.status.size() == 20);
        Check(result.reply.returnCode.size() == 4);
        Check(result.reply.ok() || (result.reply.fields.empty() && result.reply.printed.empty()));
        changed = changed || result.reply.changed;
        now += 61;
        start = end + 1;
    }
    // The state file is written only after a command that says it changed the printer: commands
    // that do not say so must have left the new printer as it was, or their change would be lost
    // with the next reading of the file.
    if (!changed) {
        Check(state == NewPrinter());
    } else if (fuzz::InShare(text, 4)) {
        // Writing the state to JSON and reading it back costs twice what the commands cost: one
        // input in four whose commands changed the printer takes the trip.
        Check(fromJson(toJson(state)) == state);
    }
    return 0;
}
