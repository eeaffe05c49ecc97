// What a form may ask of the window around it. The main frame implements it; form tests
// implement it with recorded calls or over an engine driving a fake library. A form receives it
// at construction and keeps the reference for its whole life; it never looks the frame up.
#pragma once

#include "core/base/Prompts.h"
#include "core/base/ResultRecord.h"

#include <ctime>
#include <span>
#include <string>

namespace morvelan {

class Engine;

// What detection learnt about one printer slot. Texts are UTF-8.
struct PrinterIdentity {
    bool present = false;
    std::string portName;  // "COM3", "USB"
    std::string modelName; // as the printer reports it, leading blanks removed
    bool isMkiii = false;
};

class FormServices {
public:
    virtual ~FormServices() = default;

    // ---- The printer operations (the engine's, forwarded by the frame) ----
    virtual void runOperation(int type, int step, std::span<char> data, int selection) = 0;
    virtual bool readOperation(int type, int step, std::span<char> data, bool showMessages) = 0;
    virtual void readStatus(ResultRecord& result) = 0;
    virtual bool checkMitMode(int selection) = 0;
    virtual bool ensurePrinter() = 0;
    // Detection for a form being built (Engine::ensurePrinterForForm): the form then knows the
    // printers it shows. False means that the system is closing.
    virtual bool ensurePrinterForForm() = 0;
    // The engine itself, for the starters with a worker of their own (table clear, keys, update).
    virtual Engine& engine() = 0;

    // ---- The frame ----
    virtual void switchForm(int group, int item) = 0;
    virtual void advanceSealing(int command) = 0;
    virtual int sequenceStep() const = 0;
    virtual void setFunctionTreeEnabled(bool enabled) = 0;
    virtual int printerSlotCount() const = 0;
    virtual PrinterIdentity printer(int slot) const = 0;
    virtual Prompts& prompts() = 0;
    // This computer's clock; tests give a fixed one.
    virtual std::time_t currentTime() const { return std::time(nullptr); }
    // A command file became the working one through "&Abrir" (for the recent-files list).
    virtual void commandFileOpened(const std::string& /*path*/) {}
};

} // namespace morvelan
