// The bodies of the user and number settings (operator, I.M, decimals, rounding) and of their
// readings.
#pragma once

namespace morvelan {
class Engine;
}

namespace morvelan::fiscal {

// Registers (or replaces) the sends and the readings of the four settings.
void registerUserSettingOperations(Engine& engine);

} // namespace morvelan::fiscal
