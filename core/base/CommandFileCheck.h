// Whether some bytes can become the working command file. The forms read their blocks without
// checking them, so a file of the wrong size, of another program or with a broken identification
// is stopped here, before it replaces anything.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvelan {

// Nothing when `bytes` are a sound command file; otherwise why not, as shown to the technician.
std::optional<std::string> commandFileFault(std::string_view bytes);

} // namespace morvelan
