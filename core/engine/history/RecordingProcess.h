// Which process wrote a record, so that a record left open by a process that no longer runs
// (killed, crashed, or the machine switched off) can be told from one still being written by a
// program open beside this one.
#pragma once

#include <string>
#include <string_view>

namespace morvelan::history {

// This process, as "boot/pid/start": the machine's boot, the process number and the moment the
// process started. A process number alone comes back after a reboot or once it wraps around.
std::string currentRecordingProcess();

// False only when `process` surely no longer runs: another boot, or no process with that number
// and start. An empty or unreadable text, as rows written before the owner was kept have, is
// taken as still running, since nothing can be said of it.
bool recordingProcessMayRun(std::string_view process);

} // namespace morvelan::history
