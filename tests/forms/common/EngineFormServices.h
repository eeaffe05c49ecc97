// The frame's services over a real engine, as the main frame forwards them, recording the
// sequence commands a form gives; for form tests against the virtual printer.
#pragma once

#include "core/engine/Engine.h"
#include "core/features/common/FormServices.h"

#include <ctime>
#include <vector>

namespace morvelan::test {

class EngineFormServices final : public FormServices {
public:
    explicit EngineFormServices(Engine& engine) : m_engine(engine) {}
    void runOperation(int type, int step, std::span<char> data, int selection) override {
        m_engine.runOperation(type, step, data, selection);
    }
    bool readOperation(int type, int step, std::span<char> data, bool messages) override {
        return m_engine.readOperation(type, step, data, messages);
    }
    void readStatus(ResultRecord& result) override { m_engine.readStatus(result); }
    bool checkMitMode(int selection) override { return m_engine.checkMitMode(selection); }
    bool ensurePrinter() override { return m_engine.ensurePrinter(); }
    bool ensurePrinterForForm() override { return m_engine.ensurePrinterForForm(); }
    Engine& engine() override { return m_engine; }
    void switchForm(int, int) override {}
    void advanceSealing(int command) override { sealingCommands.push_back(command); }
    int sequenceStep() const override { return m_engine.sequenceStep; }
    void setFunctionTreeEnabled(bool) override {}
    int printerSlotCount() const override { return kSlotCount; }
    PrinterIdentity printer(int slot) const override {
        const auto i = static_cast<std::size_t>(slot);
        return {m_engine.printerPresent[i] == 1, m_engine.portName[i], m_engine.modelName[i],
                m_engine.isMkiii[i] == 1};
    }
    Prompts& prompts() override { return m_engine.prompts(); }
    std::time_t currentTime() const override { return now != 0 ? now : std::time(nullptr); }

    std::vector<int> sealingCommands;
    std::time_t now = 0; // this computer's clock; 0 for the real one

private:
    Engine& m_engine;
};

} // namespace morvelan::test
