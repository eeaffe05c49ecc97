// Keeps the service history of the engine's runs: the observer the engine calls when a run ends,
// and the intervention that the sealing sequence, the software update, the key generation, the
// backup and the restore open around their runs. A failing database is reported once through
// `report` and the program goes on without recording. Lives on the user-interface thread.
#pragma once

#include "core/engine/ServiceObserver.h"
#include "core/engine/history/HistoryDatabase.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace morvelan::history {

inline constexpr const char* kRawCommandLabel = "Comando avulso";
inline constexpr const char* kScriptLabel = "Execução de script";

// "AAAA-MM-DD hh:mm:ss" in local time.
std::string historyTime(std::chrono::system_clock::time_point at);

class HistoryRecorder final : public ServiceObserver {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;
    using Report = std::function<void(const std::string& problem)>;

    // Reports a database that cannot be written at once.
    HistoryRecorder(
        HistoryDatabase& database, Report report,
        Clock clock = [] { return std::chrono::system_clock::now(); });

    void runEnded(const Engine& engine, const RunReport& report) override;
    void interventionBegan(const Engine& engine, std::string_view kind) override;
    void interventionStep(std::string_view description, bool succeeded) override;
    void interventionEnded(std::string_view outcome) override;

    bool interventionOpen() const override { return intervention_.has_value(); }
    void planConfirmed(int type, int step, std::string_view lines) override;

private:
    void failed();
    std::string now() const { return historyTime(clock_()); }

    HistoryDatabase& database_;
    Report report_;
    Clock clock_;
    bool reported_ = false;
    std::optional<std::int64_t> intervention_;
    bool interventionHasPrinter_ = false;
    struct ConfirmedPlan {
        int type = 0;
        int step = 0;
        std::string lines;
    };
    std::optional<ConfirmedPlan> plan_;
};

} // namespace morvelan::history
