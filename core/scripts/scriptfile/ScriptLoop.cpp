#include "core/scripts/scriptfile/ScriptLoop.h"

#include "core/scripts/scriptfile/ScriptFile.h"

namespace morvelan {

void ScriptLoop::start(long position) {
    start_ = position;
    hasStart_ = true;
}

std::optional<long> ScriptLoop::end(std::string_view line) {
    if (!active_) {
        // A loop end with no loop start before it has nothing to repeat.
        if (!hasStart_) {
            return std::nullopt;
        }
        count_ = ScriptLoopCount(line);
        if (count_ < 2) {
            return std::nullopt;
        }
        active_ = true;
        passes_ = 1;
        return start_;
    }
    if (passes_ < count_ - 1) {
        ++passes_;
        return start_;
    }
    active_ = false;
    passes_ = 0;
    return std::nullopt;
}

} // namespace morvelan
