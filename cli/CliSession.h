// One run of morvelan-cli: the engine over the printer library of the program directory, a frame
// without windows, and the three commands. Each command returns the program's exit code and
// writes its results to `out`.
#pragma once

#include "CliOptions.h"
#include "CliPrompts.h"
#include "core/Engine.h"
#include "core/WindowlessFrame.h"

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>

namespace morvelan::cli {

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
    WindowlessFrame frame_;
    std::unique_ptr<Engine> engine_;
    std::atomic<bool>* stop_ = nullptr;
};

} // namespace morvelan::cli
