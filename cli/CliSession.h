// One run of morvelan-cli: the engine over the printer library of the program directory, a frame
// without windows, and its commands. Each command returns the program's exit code and
// writes its results to `out`.
#pragma once

#include "CliHistory.h"
#include "CliOptions.h"
#include "CliPrompts.h"
#include "core/base/WindowlessFrame.h"
#include "core/engine/Engine.h"
#include "core/engine/FunctionCatalogue.h"
#include "core/features/backup/BackupSession.h"
#include "core/features/common/FormRecord.h"
#include "core/present/ReadingFields.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace morvelan::cli {

// Every leaf of the function tree, one a line: code, group :: item, what it does. Needs no
// printer, so it needs no session.
int listFunctions(std::FILE* out);

// What a restore of the command file `file` would change on a printer holding the settings of
// `held`, in the plan's words; kExitFailed when they differ. Needs no printer either.
int diffCommandFiles(const std::string& held, const std::string& file, std::FILE* out,
                     std::FILE* err);

class CliSession {
public:
    CliSession(const Options& options, std::FILE* out, std::FILE* err, std::FILE* in,
               bool interactive);

    int status();
    int send(const std::string& command);
    int run(const std::string& script);
    // Each line of the script that the dictionary or the script format does not accept, without
    // a printer: exit 0 when there is none, 1 when there are, 2 when the script or the dictionary
    // cannot be read.
    int check(const std::string& script);
    // Every setting of the printer into a new command file at `path`; an existing file is
    // replaced only when --yes or the technician at the terminal says so.
    int backup(const std::string& path);
    // The command file's settings onto the printer: the plan on standard output, then a
    // confirmation (--yes, or a question at a terminal); without either nothing is sent.
    int restore(const std::string& path);
    // The settings of the functions in `only` ("6.2,6.9"; all a restore sends without it) from
    // the command file, with the restore's plan, confirmation and reading back.
    int apply(const std::string& path, const std::optional<std::string>& only);
    // The sealing sequence without windows: the seven steps with the profile's blocks, after the
    // plan is confirmed like a restore's; the first step that fails ends it. `clockFromPc` sends
    // this computer's date and time instead of the profile's.
    int seal(const std::string& path, bool clockFromPc);
    // What the form of function `code` ("7.4") shows after a reading: "name: value" lines, or
    // one JSON object.
    int read(const std::string& code, bool json);

private:
    // Detects the printer; kExitSuccess when one is present.
    int detect();
    void printTexts(const ResultRecord& result, std::FILE* to = nullptr);
    int readStatusFields(const FunctionUse& use, bool json);
    void printFields(const FunctionUse& use, const std::vector<ReadingField>& fields, bool json);
    // The exit code and the texts of a restore or an apply.
    int reportTransfer(const backup::RestoreOutcome& outcome);
    // The technician's answer to the restore plan.
    bool confirmRestore(const std::string& plan);
    // The plan printed, then --yes, or "s" at a terminal to `question`; `action` names what
    // --yes would do.
    bool confirmPlan(const std::string& plan, const char* question, const char* action);
    // --yes, or "s" at a terminal, to replacing the existing file `path` with a backup.
    bool confirmReplacement(const std::string& path);
    // "s" typed at the terminal in answer to `question`.
    bool answeredYes(const char* question);
    // A comandos.xml that is there must be readable; a missing one only leaves the answers
    // unnamed. Says why not on standard error.
    bool dictionaryReadable();

    std::FILE* out_;
    std::FILE* err_;
    std::FILE* in_;
    bool interactive_;
    bool yes_;
    bool stopOnError_;
    bool step_;
    CliPrompts prompts_;
    WindowlessFrame frame_;
    std::unique_ptr<Engine> engine_;
    // Declared after the engine: it stops recording before the engine goes.
    std::unique_ptr<CliHistoryRecording> history_;
};

} // namespace morvelan::cli
