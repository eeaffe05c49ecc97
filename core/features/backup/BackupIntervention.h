// The record a backup or a restore leaves in the service history: an intervention of its own,
// or, inside a larger one (a sealing sequence under way), steps of that one.
#pragma once

#include <string>
#include <string_view>

namespace morvelan {
class Engine;
class ServiceObserver;
} // namespace morvelan

namespace morvelan::backup {

class BackupIntervention {
public:
    // Opens the intervention named `kind` unless one is already open.
    BackupIntervention(Engine& engine, std::string_view kind);
    BackupIntervention(const BackupIntervention&) = delete;
    BackupIntervention& operator=(const BackupIntervention&) = delete;

    void step(std::string_view description, bool succeeded);
    // Closes its own intervention with `outcome`; inside a larger one, the outcome becomes one
    // more step of it.
    void end(std::string_view outcome, bool succeeded);

private:
    ServiceObserver& observer_;
    std::string kind_;
    bool own_;
};

} // namespace morvelan::backup
