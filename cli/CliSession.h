// One run of morvelan-cli: the engine over the printer library of the program directory, a frame
// without windows, and the three commands. Each command returns the program's exit code and
// writes its results to `out`.
#pragma once

#include "CliOptions.h"
#include "CliPrompts.h"
#include "core/Engine.h"
#include "core/FrameServices.h"

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>

namespace morvelan::cli {

// A frame without windows: the waits poll the worker's flag, nothing is shown.
class CliFrame final : public FrameServices {
public:
    void showResponsePanel() override {}
    void showResult(int, int, int, const ResultRecord&) override {}
    void waitForWorker(const std::atomic<std::uint8_t>& done) override;
    void waitForDetection(const std::atomic<std::uint8_t>& done) override;
    void closeMainWindow() override {}
    void setWindowTitle(const std::string&) override {}
};

// --home, else MORVELAN_HOME, else the directory of the running executable.
std::string programDirectory(const Options& options);

class CliSession {
public:
    CliSession(const Options& options, std::FILE* out, std::FILE* err, std::FILE* in,
               bool interactive);

    int status();
    int send(const std::string& command);
    int run(const std::string& script);

    // Raised by an interrupt: a running script stops after its current line.
    std::atomic<bool>* stopFlag() { return stop_; }

private:
    // Detects the printer; kExitSuccess when one is present.
    int detect();
    void printTexts(const ResultRecord& result);

    std::FILE* out_;
    std::FILE* err_;
    bool interactive_;
    CliPrompts prompts_;
    CliFrame frame_;
    std::unique_ptr<Engine> engine_;
    std::atomic<bool>* stop_ = nullptr;
};

} // namespace morvelan::cli
