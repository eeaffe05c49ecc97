// The program's messages on a terminal: every message goes to standard error. A message from a
// running script (shown from the worker's thread, while the main thread waits) waits for Enter
// when a technician is at the terminal (standard input is one and --yes was not given);
// otherwise it is only shown.
#pragma once

#include "core/base/Prompts.h"
#include "core/scripts/executor/ScriptWorker.h"

#include <cstdio>
#include <optional>
#include <string>
#include <thread>

namespace morvelan::cli {

class CliPrompts final : public Prompts {
public:
    CliPrompts(std::FILE* err, std::FILE* in, bool waitForEnter);

    void message(const std::string& title, const std::string& text, PromptIcon icon) override;
    bool askYesNo(const std::string& title, const std::string& text, PromptIcon icon) override;
    bool askOkCancel(const std::string& title, const std::string& text, PromptIcon icon) override;
    std::optional<std::string> openFile(const std::string& filter,
                                        const std::string& defaultExtension) override;
    std::optional<std::string> saveFile(const std::string& filter,
                                        const std::string& defaultExtension) override;
    void chronometer(const std::string& text) override;

    // The technician's word on the next line of a run stepped through: Enter sends it, "n" skips
    // it, "q" stops the run, and so do the input's end and a stop signal; any other answer is
    // asked again, so that a slip of the finger sends nothing.
    StepAnswer askStep(const std::string& line);

    // Whether messages wait for Enter (the low-paper prompt depends on it).
    bool waitsForEnter() const { return waitForEnter_; }

    // The technician's next line, without its line feed; nothing at the end of the input or once
    // Ctrl+C or SIGTERM came, which end the wait at once.
    std::optional<std::string> readLine();

private:
    void show(const std::string& title, const std::string& text);
    void waitForEnter();

    std::FILE* err_;
    std::FILE* in_;
    bool waitForEnter_;
    std::thread::id mainThread_;
};

// How the technician confirms what changes the printer or the program's files: --yes confirms in
// advance; without it a terminal asks, and without a terminal nothing is confirmed.
struct Confirmation {
    std::FILE* err;
    std::FILE* in;
    bool yes;
    bool interactive;
};

// Asks `question` with "[s/N]" and reads the answer. A refusal is said on err: "nada foi
// enviado" (`nothingDone`), and without a terminal, how to confirm ("use --yes para `action`").
// One line typed at `in`, without its end; nothing at the input's end or once a stop signal came.
std::optional<std::string> readAnswerLine(FILE* in);

bool confirm(const Confirmation& how, const char* question, const char* action,
             const char* nothingDone);

// "%02d:%02d:%02d": minutes (modulo 60), seconds (modulo 60) and hundredths, as the script
// chronometer shows the time taken to answer.
std::string elapsedText(long long milliseconds);

} // namespace morvelan::cli
