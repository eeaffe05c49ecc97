// The state file's text: the state as a JSON object with its keys in alphabetical order at every
// level, two spaces a level, and a final newline.
#pragma once

#include <string>

#include "PrinterState.h"

namespace korva {

// Throws nlohmann::json::type_error when a text of the state is not valid UTF-8, as the file
// would then be read back as damaged.
std::string stateText(const PrinterState& state);

} // namespace korva
