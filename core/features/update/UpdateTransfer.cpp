#include "core/features/update/UpdateTransfer.h"

namespace morvelan::update {
namespace {

// The text of a step that failed; data lines fail only after their last attempt.
const char* failureText(StepKind kind) {
    switch (kind) {
    case StepKind::Data:
        return kMiddleErrorText;
    case StepKind::CloseStage:
        return kFinishErrorText;
    default:
        return kStartErrorText;
    }
}

bool sendStep(const Step& step, UpdateLink& link) {
    switch (step.kind) {
    case StepKind::Header:
        return link.sendBinary(step.command) == 0;
    case StepKind::Data:
        for (int attempt = 0; attempt < kDataAttempts; ++attempt) {
            if (link.sendBinary(step.command) == 0) {
                return true;
            }
        }
        return false;
    default:
        return link.send(step.command) == 0;
    }
}

} // namespace

void runTransfer(const UpdatePlan& plan, UpdateLink& link, UpdateProgress& progress,
                 const Pause& pause, std::string& resultText) {
    progress.section.store(plan.section);
    progress.startOffset.store(plan.startOffset);
    progress.endOffset.store(plan.endOffset);
    progress.offsetReached.store(plan.startOffset);
    bool started = false;
    const char* outcome = kSuccessText;
    for (const Step& step : plan.steps) {
        progress.offsetReached.store(step.offsetReached);
        if (step.kind == StepKind::Pause) {
            pause(kPartPauseMs);
            continue;
        }
        if (!sendStep(step, link)) {
            outcome = failureText(step.kind);
            break;
        }
        started = started || step.kind == StepKind::Start;
    }
    resultText += outcome;
    if (outcome != kSuccessText && started) {
        resultText += kInterruptedNote;
    }
    progress.done.store(1, std::memory_order_release);
}

void transferUpdate(Procedure procedure, int section, const std::string& directory,
                    UpdateLink& link, UpdateProgress& progress, const Pause& pause,
                    std::string& resultText) {
    PlanOutcome planned = planUpdateFromDirectory(procedure, section, directory);
    if (auto* refusal = std::get_if<std::string>(&planned)) {
        resultText += *refusal;
        progress.done.store(1, std::memory_order_release);
        return;
    }
    runTransfer(std::get<UpdatePlan>(planned), link, progress, pause, resultText);
}

} // namespace morvelan::update
