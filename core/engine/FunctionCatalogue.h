// How each leaf of the function tree runs, for the front ends that reach a function by its code
// rather than through its form: the command line lists them and reads them, and the tests prove
// that the assembled core serves every one.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace morvelan {

struct OperationCode {
    int type = 0;
    int step = 0;
    friend bool operator==(const OperationCode&, const OperationCode&) = default;
};

// Every member has an initializer: entries name only the members they use, and the compiler
// warns about an omitted member without one.
struct FunctionUse {
    OperationCode code{};
    // Runs through runOperation under its own code: the engine needs its body.
    bool operation = false;
    // Read through readOperation under this code (a send form's "&Ler Configuração", or a
    // reading of group 7 served by the send form's reading).
    std::optional<OperationCode> reading{};
    // Functions served by a unit of their own instead of one operation: the sealing sequence,
    // the software update, the script tools and the command files. Empty otherwise.
    std::string_view tool{};
    // Whether the function changes something on the printer (every operation but the status
    // check, and the tools that send).
    bool sends = false;
};

// The status check: an operation that changes nothing, whose decoded status is its reading.
inline bool readsThroughOperation(const FunctionUse& use) {
    return use.operation && !use.sends;
}

// Every leaf of the tree, in tree order.
std::span<const FunctionUse> functionUses();

// The use of (type, step); null when the tree has no such leaf.
const FunctionUse* functionUse(int type, int step);

} // namespace morvelan
