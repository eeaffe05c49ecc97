// Leaving the sealing sequence from one of its step forms.
#pragma once

#include "core/features/common/FormServices.h"

namespace morvelan {

inline constexpr const char* kAbandonSequenceText = "Abandonar Sequencia";
inline constexpr const char* kAbandonSequenceQuestion =
    "Deseja realmente abandonar a sequência de lacração?";

// True while a guided sequence runs: the step forms then show their abandon button.
bool sequenceRunning(const FormServices& services);

// Asks the technician; on "Sim" gives the tree back and shows the empty form. The step is left as
// it is until the next pick in the tree. True when the sequence was abandoned.
bool abandonSequence(FormServices& services);

} // namespace morvelan
