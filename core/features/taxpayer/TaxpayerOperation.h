// The worker's body of 6.13: the recording of the taxpayer in mode 1, its confirmation in mode 0;
// and the reading of the printer's current user.
#pragma once

namespace morvelan {
class Engine;
}

namespace morvelan::fiscal {

// Registers (or replaces) the body and the reading of 6.13 in the engine's dispatch tables.
void registerTaxpayerOperation(Engine& engine);

} // namespace morvelan::fiscal
