#include "core/features/readings/PrintedReadings.h"

#include "core/base/RequestBytes.h"
#include "core/features/common/FormRecord.h"

#include <algorithm>

namespace morvelan {
namespace {

void putRange(std::span<char> record, const ReadingRange& values) {
    putRecordText(record, kRangeStartOffset, kRangeLength + 1, values.start);
    putRecordText(record, kRangeEndOffset, kRangeLength + 1, values.end);
}

ReadingRange rangeIn(std::span<const char> record) {
    return {recordText(record, kRangeStartOffset, kRangeLength + 1),
            recordText(record, kRangeEndOffset, kRangeLength + 1)};
}

} // namespace

void putZReduction(std::span<char> record, const ZReduction& values) {
    putRecordText(record, kZReductionDateOffset, kDateLength + 1, values.date);
    putRecordText(record, kZReductionTimeOffset, kTimeLength + 1, values.time);
    putValue<std::int32_t>(record, kZReductionActionOffset, values.action);
    // The fourth argument of the reduction is eight zero bytes, whatever a stored block held.
    if (record.size() >= kZReductionReservedOffset + kZReductionReservedSize)
        std::fill_n(record.begin() + kZReductionReservedOffset, kZReductionReservedSize, '\0');
}

ZReduction zReductionIn(std::span<const char> record) {
    return {recordText(record, kZReductionDateOffset, kDateLength + 1),
            recordText(record, kZReductionTimeOffset, kTimeLength + 1),
            intAt(record, kZReductionActionOffset)};
}

void putFiscalMemoryReading(std::span<char> record, const ReadingRange& values) {
    putRange(record, values);
    putValue<std::int32_t>(record, kRangeFirstIndexOffset, values.printType);
    putValue<std::int32_t>(record, kRangeSecondIndexOffset, values.rangeType);
}

ReadingRange fiscalMemoryReadingIn(std::span<const char> record) {
    ReadingRange range = rangeIn(record);
    range.printType = intAt(record, kRangeFirstIndexOffset);
    range.rangeType = intAt(record, kRangeSecondIndexOffset);
    return range;
}

void putDetailMemoryReading(std::span<char> record, const ReadingRange& values) {
    putRange(record, values);
    putValue<std::int32_t>(record, kRangeFirstIndexOffset, values.rangeType);
}

ReadingRange detailMemoryReadingIn(std::span<const char> record) {
    ReadingRange range = rangeIn(record);
    range.rangeType = intAt(record, kRangeFirstIndexOffset);
    return range;
}

} // namespace morvelan
