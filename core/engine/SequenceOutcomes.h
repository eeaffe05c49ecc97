// What the runs at each step of the sealing sequence came to. The engine notes every form's run
// while a step is shown, so that the end of the sequence can tell a sealed printer from one with
// steps still to do; the sequence's own driver never talks to the printer.
#pragma once

#include <array>
#include <cstdint>

namespace morvelan {

inline constexpr int kSealingSteps = 7; // steps 0 to 6 each show a form; 7 is the end

enum class StepOutcome : std::uint8_t {
    NotRun,    // never sent, or only its first half (the taxpayer data printed, not confirmed)
    Succeeded, // the last run of the step was taken by the printer
    Failed,    // the last run of the step was refused or did not reach the printer
};

using SequenceOutcomes = std::array<StepOutcome, kSealingSteps>;

} // namespace morvelan
