// A frame that records what the engine asks of it, for assertions on exact texts; with the
// recording prompts shared by every test.
#pragma once

#include "RecordingPrompts.h"
#include "core/base/FrameServices.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace morvelan::test {

class RecordingFrame : public FrameServices {
public:
    void showResponsePanel() override { events.push_back("showResponsePanel"); }
    void showResult(int selection, int type, int step, const ResultRecord& slot0) override {
        events.push_back("showResult");
        shownSelection = selection;
        shownType = type;
        shownStep = step;
        shownRecord = slot0;
    }
    void waitForWorker(const std::atomic<std::uint8_t>& done) override {
        events.push_back("waitForWorker");
        waitUntil(done);
    }
    void waitForDetection(const std::atomic<std::uint8_t>& done) override {
        events.push_back("waitForDetection");
        waitUntil(done);
    }
    void closeMainWindow() override { events.push_back("closeMainWindow"); }
    void setWindowTitle(const std::string& title) override { titles.push_back(title); }

    int count(const std::string& event) const {
        int n = 0;
        for (const auto& e : events) {
            n += e == event ? 1 : 0;
        }
        return n;
    }

    std::vector<std::string> events;
    std::vector<std::string> titles;
    int shownSelection = -1, shownType = -1, shownStep = -1;
    ResultRecord shownRecord{};

private:
    // The progress dialogs poll the flag; so does this stand-in, without a timer.
    static void waitUntil(const std::atomic<std::uint8_t>& done) {
        while (done.load(std::memory_order_acquire) != 1) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
};

} // namespace morvelan::test
