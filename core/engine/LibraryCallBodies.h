// Operation bodies that are one library call shaped by the request data alone, shared by the
// features that register such bodies.
#pragma once

#include "core/base/RequestBytes.h"
#include "core/engine/Engine.h"

#include <cstddef>

namespace morvelan::bodies {

// Passes the text at the start of the request data, `Width` bytes wide, as the one argument.
template <auto Entry, std::size_t Width> int oneText(Engine& engine, WorkerArgument& a) {
    return engine.call(Entry, textAt(a.data, 0, Width).c_str());
}

template <auto Entry> int noArgument(Engine& engine, WorkerArgument&) {
    return engine.call(Entry);
}

// A reading whose whole answer is one text placed at the start of the request data.
template <auto Entry, std::size_t Size> int wholeText(Engine& engine, WorkerArgument& a) {
    char text[Size + 1] = {};
    const int result = engine.call(Entry, text);
    if (result == 0) {
        putText(a.data, 0, bufferText(text, Size), Size);
    }
    return result;
}

} // namespace morvelan::bodies
