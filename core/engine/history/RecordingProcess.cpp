#include "core/engine/history/RecordingProcess.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

namespace morvelan::history {
namespace {

std::string bootId() {
    std::ifstream file("/proc/sys/kernel/random/boot_id");
    std::string id;
    std::getline(file, id);
    return id;
}

// The start of a process in clock ticks since boot: the 22nd field of its stat line. The name
// in the second field may hold spaces and parentheses, so the count starts after its last ")".
std::string startOf(const std::string& pid) {
    std::ifstream file("/proc/" + pid + "/stat");
    std::string line;
    if (!std::getline(file, line))
        return {};
    const std::size_t nameEnd = line.rfind(')');
    if (nameEnd == std::string::npos)
        return {};
    std::istringstream fields(line.substr(nameEnd + 1));
    std::string field;
    for (int index = 3; index <= 22 && fields >> field; ++index)
        if (index == 22)
            return field;
    return {};
}

} // namespace

std::string currentRecordingProcess() {
    const std::string pid = std::to_string(::getpid());
    return bootId() + "/" + pid + "/" + startOf(pid);
}

bool recordingProcessMayRun(std::string_view process) {
    const std::size_t first = process.find('/');
    const std::size_t second =
        first == std::string_view::npos ? first : process.find('/', first + 1);
    if (second == std::string_view::npos)
        return true;
    const std::string_view boot = process.substr(0, first);
    const std::string pid(process.substr(first + 1, second - first - 1));
    const std::string_view start = process.substr(second + 1);
    if (boot.empty() || start.empty() || pid.empty() ||
        pid.find_first_not_of("0123456789") != std::string::npos)
        return true;
    const std::string thisBoot = bootId();
    if (thisBoot.empty())
        return true;
    if (boot != thisBoot)
        return false;
    return startOf(pid) == start;
}

} // namespace morvelan::history
