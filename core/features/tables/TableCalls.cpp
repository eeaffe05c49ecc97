#include "core/features/tables/TableCalls.h"

#include "core/base/Cp1252.h"
#include "core/base/ResultRecord.h"
#include "core/engine/Engine.h"

namespace morvelan::tables {

std::string lastResultLine(Engine& engine, int slot) {
    ResultRecord record{};
    engine.decodeStatus(record, slot);
    return fromCp1252Field(record.resultLine);
}

bool callFailed(Engine& engine, int slot, int returned, std::string& resultLine) {
    resultLine.clear();
    if (returned == 0) {
        return false;
    }
    resultLine = lastResultLine(engine, slot);
    return resultLine != kSuccessResultLine;
}

} // namespace morvelan::tables
