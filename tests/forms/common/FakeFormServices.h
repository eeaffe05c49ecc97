// Form services that record what a form asks of the frame and answer readings from a script, so
// form tests run without a main window or a printer.
#pragma once

#include "TestDoubles.h"
#include "core/features/common/FormServices.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace morvelan::test {

struct OperationCall {
    int type;
    int step;
    std::size_t dataSize;
    int selection; // runOperation only
};

class FakeFormServices final : public FormServices {
public:
    RecordingPrompts recordedPrompts;
    std::vector<PrinterIdentity> printers{PrinterIdentity{}};
    int step = 99;
    bool treeEnabled = false;
    std::vector<std::pair<int, int>> switches;
    std::vector<OperationCall> runs;
    std::vector<OperationCall> reads;
    // Fills the data of a reading and says whether it succeeded; no answer means failure.
    std::function<bool(int type, int step, std::span<char> data)> answerRead;
    // A reading may find a printer, as detection does.
    std::function<void()> onRead;

    void runOperation(int type, int opStep, std::span<char> data, int selection) override {
        runs.push_back({type, opStep, data.size(), selection});
    }
    bool readOperation(int type, int opStep, std::span<char> data, bool) override {
        reads.push_back({type, opStep, data.size(), -1});
        if (onRead)
            onRead();
        return answerRead && answerRead(type, opStep, data);
    }
    void readStatus(ResultRecord&) override {}
    bool checkMitMode(int) override { return true; }
    bool ensurePrinter() override { return true; }
    bool ensurePrinterForForm() override { return true; }
    Engine& engine() override { throw std::logic_error("no engine in this test"); }
    void switchForm(int group, int item) override { switches.emplace_back(group, item); }
    void advanceSealing(int) override {}
    int sequenceStep() const override { return step; }
    void setFunctionTreeEnabled(bool enabled) override { treeEnabled = enabled; }
    int printerSlotCount() const override { return static_cast<int>(printers.size()); }
    PrinterIdentity printer(int slot) const override {
        return slot >= 0 && static_cast<std::size_t>(slot) < printers.size()
                   ? printers[static_cast<std::size_t>(slot)]
                   : PrinterIdentity{};
    }
    Prompts& prompts() override { return recordedPrompts; }
};

} // namespace morvelan::test
