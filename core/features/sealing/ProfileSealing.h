// The sealing sequence without windows: the seven steps of the window's sequence, in its order,
// each through its form's operation with the block a profile (a command file) holds. The profile
// and the printer are checked before anything is sent, one plan is confirmed, and the first step
// that fails ends the sequence with nothing further sent.
#pragma once

#include "core/base/ResultRecord.h"
#include "core/features/backup/BackupSession.h"

#include <ctime>
#include <functional>
#include <string>

namespace morvelan {
class Engine;
}

namespace morvelan::sealing {

inline constexpr const char* kNothingSent = "Nada foi enviado à impressora.";
inline constexpr const char* kSealedText = "Lacração Finalizada.";

// "Passo N: <the step's item name>" (UTF-8).
std::string stepLabel(int number, int step);

// What became of one run of a step: a step that failed, or the last run of a step. The taxpayer
// step runs twice (recorded, then confirmed), as its form runs it.
struct StepReport {
    int number = 0; // 1 to 7, in the sequence's order
    int step = 0;   // the operation 6.step that serves it
    bool succeeded = false;
    ResultRecord result{};
    std::string failure; // why it failed besides the result: the table entries, a reading
};

enum class SealStatus {
    BadProfile, // unreadable, damaged, or missing a step: nothing was sent
    NoPrinter,  // detection found none (it has said so)
    Refused,    // the printer cannot be sealed now (outside MIT, a user already): nothing was sent
    Declined,   // the plan was not confirmed: nothing was sent
    Failed,     // a step failed: the steps after it were not sent
    Sealed,
};

struct SealOutcome {
    SealStatus status = SealStatus::NoPrinter;
    std::string text; // why nothing was sent (UTF-8); empty otherwise
};

using StepObserver = std::function<void(const StepReport&)>;

// Seals the detected printer from the profile at `path`. With `clockFromPc` the clock step sends
// the time `now` of this computer instead of the profile's. The plan goes to `confirm`; each step
// to `onStep` as it ends. The whole run is one sealing intervention in the service history.
SealOutcome sealFromProfile(Engine& engine, const std::string& path, bool clockFromPc,
                            std::time_t now, const backup::ConfirmPlan& confirm,
                            const StepObserver& onStep);

} // namespace morvelan::sealing
