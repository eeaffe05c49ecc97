// The bodies of the communication check, the status, the printed fiscal readings and the
// information readings: each one library call, or two where the first can say nothing.
#pragma once

namespace morvelan {

class Engine;

// Registers (or replaces) those operations and readings in the engine's dispatch tables.
void registerReadingOperations(Engine& engine);

} // namespace morvelan
