// Reads any bytes as the virtual printer's state file, the way every exchange reads it: a
// document it refuses is refused by an exception (the file is then set aside and replaced); one
// it takes must be a printer that answers a command and reads back the same once written.
#include "FuzzCheck.h"
#include "Protocol.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <string_view>

#include <nlohmann/json.hpp>

namespace {

using namespace korva;

using morvelan::fuzz::Check;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    PrinterState state;
    try {
        state = fromJson(nlohmann::json::parse(text));
    } catch (const std::exception&) {
        return 0;
    }
    Check(fromJson(toJson(state)) == state);
    for (const std::string_view line : {"0001|0000", "0002|0000", "0004|0000", "0501|0000"}) {
        Check(runCommand(state, line, 1'780'000'000).status.size() == 20);
    }
    return 0;
}
