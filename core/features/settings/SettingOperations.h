// The bodies of the setting functions and of their readings: each one library call, with its
// arguments and answers at the offsets of the forms' request data.
#pragma once

namespace morvelan {
class Engine;
}

namespace morvelan::settings {

// Registers (or replaces) the bodies of the fixed clock, header lines, currency, serial speed,
// clock, daylight saving, ISSQN discount and new MFD, and the readings among them.
void registerSettingOperations(Engine& engine);

} // namespace morvelan::settings
