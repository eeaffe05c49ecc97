// The loop of a running script: one loop at a time, its block run `count` times in all.
#pragma once

#include <optional>
#include <string_view>

namespace morvelan {

class ScriptLoop {
public:
    // At a loop-start line: `position` is where the block begins.
    void start(long position);
    // At a loop-end line: where to go back to, or nothing when the run goes on past it.
    // The count is read from the line when the loop is entered; counts 0 and 1 run once.
    std::optional<long> end(std::string_view line);
    bool active() const { return active_; }

private:
    long start_ = 0;
    bool hasStart_ = false;
    bool active_ = false;
    int count_ = 0;
    int passes_ = 0;
};

} // namespace morvelan
