// A frame without windows, for what drives the engine unattended (the command line, the
// benchmarks, the fuzz targets): nothing is shown, and the waits poll the worker's completion
// flag instead of running a progress dialog.
#pragma once

#include "core/base/FrameServices.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>

namespace morvelan {

class WindowlessFrame final : public FrameServices {
public:
    void showResponsePanel() override {}
    void showResult(int, int, int, const ResultRecord&) override {}
    void waitForWorker(const std::atomic<std::uint8_t>& done) override { waitFor(done); }
    void waitForDetection(const std::atomic<std::uint8_t>& done) override { waitFor(done); }
    void closeMainWindow() override {}
    void setWindowTitle(const std::string&) override {}

private:
    static void waitFor(const std::atomic<std::uint8_t>& done) {
        while (done.load(std::memory_order_acquire) != 1)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
};

} // namespace morvelan
