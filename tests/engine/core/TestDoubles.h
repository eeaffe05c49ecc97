// Prompts and frame that record what the engine asks of them, for assertions on exact texts.
#pragma once

#include "core/FrameServices.h"
#include "core/Prompts.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace morvelan::test {

struct RecordedMessage {
    std::string title;
    std::string text;
    PromptIcon icon;
};

class RecordingPrompts : public Prompts {
public:
    void message(const std::string& title, const std::string& text, PromptIcon icon) override {
        messages.push_back({title, text, icon});
    }
    bool askYesNo(const std::string& title, const std::string& text, PromptIcon icon) override {
        messages.push_back({title, text, icon});
        return nextAnswer();
    }
    bool askOkCancel(const std::string& title, const std::string& text, PromptIcon icon) override {
        messages.push_back({title, text, icon});
        return nextAnswer();
    }
    std::optional<std::string> openFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }

    std::vector<RecordedMessage> messages;
    std::deque<bool> answers;

private:
    bool nextAnswer() {
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

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
