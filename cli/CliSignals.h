// Ctrl+C (SIGINT) and SIGTERM end the program without cutting an exchange with the printer in
// two: a running script stops after its line in progress, a wait for the technician's answer
// ends at once, and the program then ends with what it has written so far, with code 130 after
// SIGINT, as shells expect, and 1 after SIGTERM. A second signal ends it at once.
#pragma once

#include <atomic>

namespace morvelan::cli {

// Catches both signals from now on.
void catchStopSignals();

// The signal that asked the program to end, or 0.
int stopSignal();

// Raises `flag` when a stop signal comes, and at once when one already came; nullptr forgets
// the flag. A running script's stop flag.
void raiseOnStopSignal(std::atomic<bool>* flag);

// Waits until descriptor `fd` has something to read or has reached its end. False when a stop
// signal came first.
bool waitForInput(int fd);

// `code`, or the exit code a stop signal asks for.
int exitCodeAfterStopSignal(int code);

} // namespace morvelan::cli
