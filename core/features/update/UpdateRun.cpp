#include "core/features/update/UpdateRun.h"

#include "core/engine/Engine.h"

#include <array>
#include <cstring>
#include <thread>

namespace morvelan::update {

int EngineUpdateLink::send(const std::string& command) {
    return m_engine.call(&LibraryEntries::Send_From_File, command.c_str());
}

int EngineUpdateLink::sendBinary(const std::string& command) {
    return m_engine.call(&LibraryEntries::Send_From_File_Bin, command.c_str());
}

std::optional<PrinterAnswers> readPrinterAnswers(Engine& engine, int slot) {
    static constexpr std::array<const char*, 3> kCommands = {"0567|0000", "0566|0000", "0565|0000"};
    std::array<std::array<char, 1025>, 3> answers{};
    bool ok = true;
    engine.runWorkers(slot, [&](int) {
        for (std::size_t i = 0; i < kCommands.size() && ok; ++i) {
            ok = engine.call(&LibraryEntries::Send_From_FileEX, kCommands[i], answers[i].data()) ==
                     0 &&
                 answers[i][0] != '\0';
        }
    });
    if (!ok) {
        return std::nullopt;
    }
    PrinterAnswers result;
    result.board = answers[0].data();
    result.version = answers[1].data();
    result.variant = std::strlen(answers[2].data()) >= 9 ? answers[2][8] : '\0';
    return result;
}

void runTransferWorker(Engine& engine, const UpdatePlan& plan, UpdateProgress& progress,
                       const Pause& pause, std::string& resultText,
                       const std::function<void(const UpdateProgress&)>& wait) {
    progress.done.store(0, std::memory_order_release);
    std::thread worker([&] {
        EngineUpdateLink link(engine);
        try {
            runTransfer(plan, link, progress, pause, resultText);
        } catch (...) {
            progress.done.store(1, std::memory_order_release);
        }
    });
    wait(progress);
    worker.join();
}

} // namespace morvelan::update
