// Dispatch by operation code as data: a table from (type, step) to the body a worker runs. The
// engine fills it with the bodies that are one library call; each feature module registers its
// own (tables, fiscalization, keys) without the engine knowing the forms.
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

class OperationTable {
public:
    // Registers (or replaces) the body of operation (type, step).
    void add(int type, int step, OperationBody body) { bodies_[{type, step}] = std::move(body); }
    // The body of (type, step), or null when the code has none.
    const OperationBody* find(int type, int step) const {
        const auto it = bodies_.find({type, step});
        return it == bodies_.end() ? nullptr : &it->second;
    }

private:
    std::map<std::pair<int, int>, OperationBody> bodies_;
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
