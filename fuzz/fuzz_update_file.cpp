// Offers any bytes as an update file, for every section of both procedures: the checks either
// refuse the file with a message, or give a plan the transfer can send as it is, line by line,
// that ends exactly where the section's table says.
#include "FuzzCheck.h"
#include "core/features/update/UpdatePlan.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace morvelan::update;

using morvelan::fuzz::Check;

bool SentLine(StepKind kind) {
    return kind == StepKind::Header || kind == StepKind::Data;
}

void CheckPlan(const UpdatePlan& plan, std::size_t bodySize) {
    Check(plan.steps.size() >= 6);
    Check(plan.steps.front().kind == StepKind::Start);
    Check(plan.steps.back().kind == StepKind::Pause);
    Check(plan.startOffset >= 0 && plan.startOffset < plan.endOffset);
    Check(static_cast<std::size_t>(plan.endOffset) <= bodySize);
    Check(plan.steps.back().offsetReached == plan.endOffset);
    std::size_t opened = 0, closed = 0, data = 0, closing = 0;
    for (const Step& step : plan.steps) {
        Check(step.offsetReached >= 0 && static_cast<std::size_t>(step.offsetReached) <= bodySize);
        Check(step.command.empty() == (step.kind == StepKind::Pause));
        Check(step.command.find('\n') == std::string::npos);
        if (SentLine(step.kind)) {
            // "0562|0000|" or "0563|0000|" and a line the printer can take
            Check(step.command.size() > 10 && step.command.size() <= 10 + kMaxSentLineLength);
            Check(step.command[10] == ':' && step.command.size() % 2 == 1);
            Check(step.command.back() != '\r');
        }
        opened += step.kind == StepKind::OpenPart;
        closed += step.kind == StepKind::CloseStage;
        data += step.kind == StepKind::Data;
        closing += step.kind == StepKind::Closing;
    }
    Check(opened == closed && opened >= 1 && data >= opened && closing == 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const Procedure procedure : {Procedure::ThirdGeneration, Procedure::Other}) {
        for (int section = -1; section <= 22; ++section) {
            const PlanOutcome outcome =
                planUpdate(procedure, section, bytes, updateFileName(procedure));
            if (const auto* refused = std::get_if<std::string>(&outcome)) {
                Check(!refused->empty());
                continue;
            }
            Check(size >= kTrailerBytes);
            CheckPlan(std::get<UpdatePlan>(outcome), size - kTrailerBytes);
        }
    }
    return 0;
}
