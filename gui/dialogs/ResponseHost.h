// What the response panel needs from the window around it. The main frame implements it; tests
// implement it with plain values.
#pragma once

#include <string>

namespace morvelan {

struct PrinterSlotView {
    bool present = false;
    std::string portName;  // UTF-8
    std::string modelName; // UTF-8
};

class ResponseHost {
public:
    virtual ~ResponseHost() = default;

    virtual int sequenceStep() const = 0;
    virtual PrinterSlotView printerSlot(int slot) const = 0;
    // Names from the function name table, UTF-8; empty for a number the table does not use.
    virtual std::string groupName(int group) const = 0;
    virtual std::string itemName(int group, int item) const = 0;

    // Moves the sealing sequence: 1 next, 2 repeat, -1 previous.
    virtual void advanceSealing(int command) = 0;
    virtual void setFunctionTreeEnabled(bool enabled) = 0;
    // The last step has run: tells the technician what the sequence came to and gives the tree
    // back; no sequence runs afterwards.
    virtual void finishSealing() = 0;
    // Replaces the right pane; the panel that asks is destroyed later, not during the call.
    virtual void switchForm(int group, int item) = 0;
};

} // namespace morvelan
