// Dispatch by operation code as data: a table from (type, step) to the body a worker runs and
// what the run does around it. The engine starts with both tables empty; each feature module
// registers its own bodies and readings (see core/modules), so the engine neither knows the
// forms nor tests an operation code.
#pragma once

#include "core/base/ResultRecord.h"

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <utility>

namespace morvelan {

class Engine;

// What a worker receives, one per started worker: the slot it serves, the request data of the
// form (empty when the operation takes none), the slot's third-generation flag and the slot's
// result record. The request data belongs to the caller and outlives the worker.
struct WorkerArgument {
    int slot = 0;
    std::span<char> data;
    std::uint8_t isMkiii = 0;
    ResultRecord* result = nullptr;
};

// A body returns the library's return value: the operation's result code (0 = success). It runs
// on the worker thread and may touch only its argument and its slot's state in the engine. One
// that fails before it reaches the printer says why with Engine::markNotSent.
using OperationBody = std::function<int(Engine& engine, WorkerArgument& argument)>;

// A body and what its run needs besides it, said by the module that registers the body.
// Every member has an initializer: entries name only the members they use, and the compiler
// warns about an omitted member without one.
struct OperationEntry {
    OperationBody body{};
    // On the user-interface thread, before the command file is written and the printer detected.
    std::function<void(Engine& engine)> beforeRun{};
    // On the user-interface thread, once the workers are done and before the response panel: the
    // run's own messages and the outcome bytes it hands back in the request data.
    std::function<void(Engine& engine, std::span<char> data, int selection)> afterRun{};
    // The workers list each failed table entry in tableErrorText; the run shows and records it.
    bool listsTableErrors = false;
    // A successful run that is only the first half of its step (the taxpayer data printed for the
    // technician to check, before the confirmation) leaves a sealing step still to do.
    std::function<bool(std::span<const char> data)> leavesStepOpen{};
    // Readings only: whether the read worker receives the form's request data.
    bool takesData = true;
};

class OperationTable {
public:
    // Registers (or replaces) operation (type, step).
    void add(int type, int step, OperationEntry entry) {
        entries_[{type, step}] = std::move(entry);
    }
    void add(int type, int step, OperationBody body) {
        OperationEntry entry;
        entry.body = std::move(body);
        add(type, step, std::move(entry));
    }
    // The entry of (type, step), or null when the code has none.
    const OperationEntry* find(int type, int step) const {
        const auto it = entries_.find({type, step});
        return it == entries_.end() ? nullptr : &it->second;
    }

private:
    std::map<std::pair<int, int>, OperationEntry> entries_;
};

} // namespace morvelan
