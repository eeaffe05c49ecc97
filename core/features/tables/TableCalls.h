// What the write and clear bodies share: judging one library call by the printer's own account
// of it, on the worker that made the call.
#pragma once

#include <string>

namespace morvelan {
class Engine;
}

namespace morvelan::tables {

// The result line (UTF-8) of the call just made on `slot`: the printer's status decoded.
std::string lastResultLine(Engine& engine, int slot);

// A call failed when it returned non-zero and the printer does not report success; the result
// `resultLine` receives the result line of a call that returned non-zero.
bool callFailed(Engine& engine, int slot, int returned, std::string& resultLine);

} // namespace morvelan::tables
