#include "core/features/common/SequenceAbandon.h"

namespace morvelan {

namespace {
constexpr int kNoSequenceStep = 99;
} // namespace

bool sequenceRunning(const FormServices& services) {
    return services.sequenceStep() != kNoSequenceStep;
}

bool abandonSequence(FormServices& services) {
    if (!services.prompts().askYesNo(kAlertTitle, kAbandonSequenceQuestion,
                                     PromptIcon::Information))
        return false;
    services.setFunctionTreeEnabled(true);
    services.switchForm(0, 0);
    return true;
}

} // namespace morvelan
