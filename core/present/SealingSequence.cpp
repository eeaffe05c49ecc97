#include "core/present/SealingSequence.h"

#include <array>

namespace morvelan {

namespace {
// Items of group 6 "Configuração" shown at steps 0 to 6: date and time, taxpayer data, cliché,
// tax rates, non-fiscal totalizers, management reports, payment means.
constexpr std::array<int, kSealingSteps> kStepItems = {5, 13, 2, 9, 10, 8, 7};
constexpr int kNoStep = 99;
} // namespace

SealingMove advanceSealingStep(int currentStep, int command) {
    int step = kNoStep;
    switch (command) {
    case kSealingStart:
        step = 0;
        break;
    case kSealingNext:
        step = currentStep + 1;
        break;
    case kSealingRepeat:
        step = currentStep;
        break;
    case kSealingPrevious:
        step = currentStep - 1;
        break;
    default:
        break;
    }
    SealingMove move;
    if (step >= 0 && step < kSealingSteps) {
        move.step = step;
        move.group = 6;
        move.item = kStepItems[static_cast<std::size_t>(step)];
        return move;
    }
    move.finished = step == kSealingSteps;
    // Leaving the sequence in any way must give the tree back, or the technician is locked out.
    move.endsSequence = true;
    return move;
}

} // namespace morvelan
