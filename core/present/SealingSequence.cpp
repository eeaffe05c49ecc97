#include "core/present/SealingSequence.h"

#include <array>

namespace morvelan {

namespace {
// Items of group 6 "Configuração" shown at steps 0 to 6: date and time, taxpayer data, cliché,
// tax rates, non-fiscal totalizers, management reports, payment means.
constexpr std::array<int, kSealingSteps> kStepItems = {5, 13, 2, 9, 10, 8, 7};
constexpr int kNoStep = 99;
constexpr std::size_t kTaxpayerStep = 1;
constexpr const char* kSealingDone = "Lacração Finalizada.";
constexpr const char* kSealingPending = "Lacração finalizada com pendências:";
constexpr const char* kSignatureKeysNext =
    "Gere e habilite as chaves de assinatura (grupo 03) antes da primeira Leitura X.";
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

SealingEnd sealingEnd(const SequenceOutcomes& outcomes, bool thirdGeneration) {
    SealingEnd end;
    std::string pending;
    std::string pendingNames;
    for (std::size_t n = 0; n < outcomes.size(); ++n) {
        if (outcomes[n] == StepOutcome::Succeeded)
            continue;
        pending += "\n" + std::to_string(n + 1) + ". " + kSealingStepNames[n] +
                   (outcomes[n] == StepOutcome::Failed ? " - falhou." : " - não concluído.");
        pendingNames += (pendingNames.empty() ? "" : ", ") + std::string(kSealingStepNames[n]);
    }
    end.complete = pending.empty();
    if (end.complete) {
        end.message = kSealingDone;
        end.outcome = kSealingDone;
    } else {
        end.message = std::string(kSealingPending) + "\n" + pending;
        end.outcome = std::string(kSealingPending) + " " + pendingNames;
    }
    if (thirdGeneration && outcomes[kTaxpayerStep] == StepOutcome::Succeeded)
        end.message += std::string("\n\n") + kSignatureKeysNext;
    return end;
}

} // namespace morvelan
