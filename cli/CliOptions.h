// The command line of morvelan-cli: options and the one command with its argument.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace morvelan::cli {

// Exit codes a shell script can test.
enum ExitCode : int {
    kExitSuccess = 0,   // every command answered "0000"
    kExitFailed = 1,    // a command or the operation failed
    kExitUsage = 2,     // bad usage or an unreadable file
    kExitNoPrinter = 3, // no library or no printer
    // Ended by Ctrl+C: 128 + SIGINT, what a shell reports for a program the signal ended. After
    // SIGTERM the code is kExitFailed.
    kExitInterrupted = 130,
};

enum class Command {
    None,
    Help,
    Version,
    Status,
    Send,
    Run,
    Check,
    Backup,
    Restore,
    Apply,
    List,
    Read,
    Seal,
    Diff
};

struct Options {
    Command command = Command::None;
    std::string argument;   // send's raw command, the file of run, check, backup, restore...
    std::string secondFile; // diff's file read as the one restored
    std::optional<std::string> home; // --home DIR
    bool yes = false;                // --yes: skip the script's "#" messages, confirm a restore
    bool json = false;               // --json: read prints one JSON object
    bool clockFromPc = false;        // --clock-from-pc: seal sets this computer's clock
    std::optional<std::string> only; // --only CODE,...: the functions apply sends
    bool stopOnError = false;        // --stop-on-error: run ends at its first failed command
    bool step = false;               // --step: run asks before sending each command
};

// The usage error of a call that names no command.
inline constexpr const char* kMissingCommand = "falta o comando";

// Nothing, with `error` set, on bad usage.
std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error);

// The codes of --only ("6.2,6.7"), or nothing when one of them is not a function code.
std::optional<std::vector<std::pair<int, int>>> parseFunctionCodes(const std::string& text);

// A function code as the technician types it ("7.4", "07.04"); nothing when it is not two
// numbers joined by a dot.
std::optional<std::pair<int, int>> parseFunctionCode(const std::string& text);

extern const char* const kUsage;
// The line after a usage error, which points to the help.
extern const char* const kUsageHint;

} // namespace morvelan::cli
