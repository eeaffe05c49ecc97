// Dispatch by operation code as data: a table from (type, step) to the body a worker runs and
// what the run does around it. The engine fills it with the bodies that are one library call;
// each feature module registers its own (tables, fiscalization, keys), so the engine neither
// knows the forms nor tests an operation code.
#pragma once

#include "core/base/ResultRecord.h"

#include <cstddef>
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
// on the worker thread and may touch only its argument and its slot's state in the engine.
using OperationBody = std::function<int(Engine& engine, WorkerArgument& argument)>;

// A body and what its run needs besides it, said by the module that registers the body.
struct OperationEntry {
    OperationBody body;
    // On the user-interface thread, before the command file is written and the printer detected.
    std::function<void(Engine& engine)> beforeRun;
    // On the user-interface thread, once the workers are done and before the response panel: the
    // run's own messages and the outcome bytes it hands back in the request data.
    std::function<void(Engine& engine, std::span<char> data, int selection)> afterRun;
    // The workers list each failed table entry in tableErrorText; the run shows and records it.
    bool listsTableErrors = false;
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
        add(type, step, OperationEntry{std::move(body)});
    }
    // The entry of (type, step), or null when the code has none.
    const OperationEntry* find(int type, int step) const {
        const auto it = entries_.find({type, step});
        return it == entries_.end() ? nullptr : &it->second;
    }

private:
    std::map<std::pair<int, int>, OperationEntry> entries_;
};

// The event log reading (7.16): the log text in bytes 0-270, its character count from byte 271.
inline constexpr std::size_t kEventLogCountOffset = 271;
inline constexpr std::size_t kEventLogRequestSize = 275;

// The bodies that are one library call each (communication check, settings, printed reports).
void registerLibraryCallOperations(OperationTable& operations);

// The read worker's bodies: the library readings of every code that "&Ler Configuração" serves,
// each writing the values into the request data at the form's offsets.
void registerReadings(OperationTable& readings);

} // namespace morvelan
