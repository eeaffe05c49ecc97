// What the operation engine needs from the window around it. The main frame implements it with
// real widgets; tests implement it without any.
#pragma once

#include "core/base/ResultRecord.h"

#include <atomic>
#include <cstdint>
#include <string>

namespace morvelan {

class FrameServices {
public:
    virtual ~FrameServices() = default;

    // Replaces the right pane by a new, empty response panel.
    virtual void showResponsePanel() = 0;
    // Fills the response panel shown by showResponsePanel with the outcome of a run.
    virtual void showResult(int selection, int type, int step, const ResultRecord& slot0) = 0;
    // Modal "Aguarde, em execução..." until `done` becomes 1 (checked every 100 ms).
    virtual void waitForWorker(const std::atomic<std::uint8_t>& done) = 0;
    // Modal "Localizando Impressoras..." until `done` becomes 1 (checked every 100 ms).
    virtual void waitForDetection(const std::atomic<std::uint8_t>& done) = 0;
    // Closes the main window: the program ends.
    virtual void closeMainWindow() = 0;
    // Sets the main window's title.
    virtual void setWindowTitle(const std::string& title) = 0;
};

} // namespace morvelan
