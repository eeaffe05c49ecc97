// The single document. It holds the function name table that the tree and the response panel
// show; the command file it stands for is handled by the engine.
#pragma once

#include "core/engine/FunctionNames.h"

#include <span>

namespace morvelan {

// The document template's string: window title, file name, type name and registry names.
inline constexpr const char* kDocumentString =
    "Morvelan\n\nMorvelan\n\n\nMorvelan.Document\nMorvelan.Document";

class CMorvelanDoc {
public:
    CMorvelanDoc();

    std::span<const FunctionGroup> functionNames() const { return m_names; }

private:
    std::span<const FunctionGroup> m_names;
};

} // namespace morvelan
