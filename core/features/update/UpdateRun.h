// The software update over the operation engine: the three readings that decide it, and the
// transfer worker on a thread of its own while the caller waits on its progress record.
#pragma once

#include "core/features/update/UpdateChoice.h"
#include "core/features/update/UpdateTransfer.h"

#include <functional>
#include <optional>

namespace morvelan {
class Engine;
}

namespace morvelan::update {

// The library's raw-command entry points of one engine.
class EngineUpdateLink final : public UpdateLink {
public:
    explicit EngineUpdateLink(Engine& engine) : m_engine(engine) {}
    int send(const std::string& command) override;
    int sendBinary(const std::string& command) override;

private:
    Engine& m_engine;
};

// Board, version and variant of the printer in `slot`, read on a worker behind the progress
// dialog; nullopt when a reading failed or came back empty.
std::optional<PrinterAnswers> readPrinterAnswers(Engine& engine, int slot);

// Starts the transfer of `plan` on its own thread, calls `wait` (which returns once the done
// flag is set) and joins the thread. `progress` has its done flag cleared first.
void runTransferWorker(Engine& engine, const UpdatePlan& plan, UpdateProgress& progress,
                       const Pause& pause, std::string& resultText,
                       const std::function<void(const UpdateProgress&)>& wait);

} // namespace morvelan::update
