// The worker's body of 6.13: the recording of the taxpayer in mode 1, its confirmation in mode 0.
#pragma once

namespace morvelan {
class Engine;
}

namespace morvelan::fiscal {

// Registers (or replaces) the body of 6.13 in the engine's dispatch table.
void registerTaxpayerOperation(Engine& engine);

} // namespace morvelan::fiscal
