// The assembly of the core: every feature's operation bodies and readings, registered in the
// engine once at start by whichever front end owns it. The engine registers none of its own, so
// everything a function runs comes in here.
#pragma once

namespace morvelan {

class Engine;

void registerCoreModules(Engine& engine);

} // namespace morvelan
