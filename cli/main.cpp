// morvelan-cli: the program's printer core without any window, for a technician over SSH or a
// shell script driving a printer.
#include "CliHistory.h"
#include "CliOptions.h"
#include "CliSession.h"
#include "CliSignals.h"

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    using namespace morvelan::cli;
    if (const std::vector<std::string> args(argv + 1, argv + argc); isHistoryCommand(args))
        return runHistory(args, stdout, stderr, stdin, isatty(STDIN_FILENO) == 1);
    std::string error;
    const auto options = parseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        // The whole help only when no command was asked for; after a slip, the one line that
        // names it stays in sight instead of scrolling away above forty lines of help.
        if (error == kMissingCommand)
            std::fprintf(stderr, "morvelan-cli: %s\n\n%s", error.c_str(), kUsage);
        else
            std::fprintf(stderr, "morvelan-cli: %s\n%s", error.c_str(), kUsageHint);
        return kExitUsage;
    }
    switch (options->command) {
    case Command::Help:
        std::fputs(kUsage, stdout);
        return kExitSuccess;
    case Command::Version:
        std::printf("morvelan-cli %s\n", MORVELAN_VERSION);
        return kExitSuccess;
    case Command::List:
        return listFunctions(stdout);
    case Command::Diff:
        return diffCommandFiles(options->argument, options->secondFile, stdout, stderr);
    default:
        break;
    }
    catchStopSignals();
    CliSession session(*options, stdout, stderr, stdin, isatty(STDIN_FILENO) == 1);
    int code = kExitUsage;
    switch (options->command) {
    case Command::Status:
        code = session.status();
        break;
    case Command::Send:
        code = session.send(options->argument);
        break;
    case Command::Run:
        code = session.run(options->argument);
        break;
    case Command::Check:
        code = session.check(options->argument);
        break;
    case Command::Backup:
        code = session.backup(options->argument);
        break;
    case Command::Restore:
        code = session.restore(options->argument);
        break;
    case Command::Apply:
        code = session.apply(options->argument, options->only);
        break;
    case Command::Seal:
        code = session.seal(options->argument, options->clockFromPc);
        break;
    case Command::Read:
        code = session.read(options->argument, options->json);
        break;
    default:
        break;
    }
    return exitCodeAfterStopSignal(code);
}
