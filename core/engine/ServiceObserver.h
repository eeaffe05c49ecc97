// What the engine tells whoever keeps the service history: every run that reached a printer, and
// the interventions (sealing, update, key generation, backup, restore) that group several runs.
// Every call comes from the user-interface thread, after the workers have been joined and before
// the outcome is shown. An observer must never throw and never block the operation on a failure
// of its own.
#pragma once

#include "core/base/ResultRecord.h"

#include <chrono>
#include <span>
#include <string_view>

namespace morvelan {

class Engine;

// The interventions, as the history names them.
inline constexpr const char* kSealingIntervention = "Seqüência de Lacração";
inline constexpr const char* kUpdateIntervention = "Atualização do Software Básico";
inline constexpr const char* kKeyIntervention = "Geração de chaves de AD";
inline constexpr const char* kBackupIntervention = "Cópia de segurança";
inline constexpr const char* kRestoreIntervention = "Restauração da cópia de segurança";
inline constexpr const char* kApplyIntervention = "Aplicação de arquivo de comandos";
// How a sealing sequence left before its end is recorded.
inline constexpr const char* kSequenceAbandoned = "Seqüência abandonada";

enum class RunKind {
    Operation,  // runOperation: a form's send
    RawCommand, // sendFile: one raw command typed or generated
    Script,     // a script run, with its command log
};

struct RunReport {
    RunKind kind = RunKind::Operation;
    int type = 0;
    int step = 0;
    int slot = 0;
    std::chrono::system_clock::time_point startedAt{};
    std::chrono::system_clock::time_point endedAt{};
    const ResultRecord* result = nullptr; // the slot's outcome; Windows-1252 texts
    std::span<const char> requestData{};  // the form's request data (empty when none)
    // The texts below are UTF-8.
    std::string_view tableErrors{}; // operations 6.7 to 6.10
    std::string_view command{};     // the raw command, or the script's path
    std::string_view answer{};      // the raw command's answer
    std::string_view commandLog{};  // the script's command log, bounded for the history
};

class ServiceObserver {
public:
    virtual ~ServiceObserver() = default;

    virtual void runEnded(const Engine& engine, const RunReport& report) = 0;

    // An intervention groups the runs that follow until it ends; `kind` names it for the
    // technician ("Seqüência de Lacração").
    virtual void interventionBegan(const Engine& engine, std::string_view kind) = 0;
    virtual void interventionStep(std::string_view description, bool succeeded) = 0;
    virtual void interventionEnded(std::string_view outcome) = 0;
    // True while an intervention groups the runs; a smaller piece of work then adds its steps
    // to it instead of cutting it short with one of its own.
    virtual bool interventionOpen() const = 0;

    // The plan lines the technician confirmed for the run of `type`.`step` about to start; they
    // belong to that run's record and to no later one.
    virtual void planConfirmed(int type, int step, std::string_view lines) = 0;
};

// The observer of an engine that keeps no history.
class NoServiceObserver final : public ServiceObserver {
public:
    void runEnded(const Engine&, const RunReport&) override {}
    void interventionBegan(const Engine&, std::string_view) override {}
    void interventionStep(std::string_view, bool) override {}
    void interventionEnded(std::string_view) override {}
    bool interventionOpen() const override { return false; }
    void planConfirmed(int, int, std::string_view) override {}
};

} // namespace morvelan
