#include "core/features/backup/BackupIntervention.h"

#include "core/engine/Engine.h"

namespace morvelan::backup {

BackupIntervention::BackupIntervention(Engine& engine, std::string_view kind)
    : observer_(engine.serviceObserver()), kind_(kind), own_(!observer_.interventionOpen()) {
    if (own_)
        observer_.interventionBegan(engine, kind);
}

void BackupIntervention::step(std::string_view description, bool succeeded) {
    observer_.interventionStep(description, succeeded);
}

void BackupIntervention::end(std::string_view outcome, bool succeeded) {
    if (own_)
        observer_.interventionEnded(outcome);
    else
        observer_.interventionStep(kind_ + ": " + std::string(outcome), succeeded);
}

} // namespace morvelan::backup
