#include "core/features/readings/PrintedReadings.h"

#include "core/base/RequestBytes.h"
#include "core/features/common/FormRecord.h"

#include <algorithm>

namespace morvelan {
namespace {

constexpr std::size_t kDateOffset = 0, kTimeOffset = 9, kActionOffset = 16;
constexpr std::size_t kReservedOffset = 20, kReservedSize = 8;
constexpr std::size_t kStartOffset = 0, kEndOffset = 9;
constexpr std::size_t kFirstIndexOffset = 20, kSecondIndexOffset = 24;

void putRange(std::span<char> record, const ReadingRange& values) {
    putRecordText(record, kStartOffset, kRangeLength + 1, values.start);
    putRecordText(record, kEndOffset, kRangeLength + 1, values.end);
}

ReadingRange rangeIn(std::span<const char> record) {
    return {recordText(record, kStartOffset, kRangeLength + 1),
            recordText(record, kEndOffset, kRangeLength + 1)};
}

} // namespace

void putZReduction(std::span<char> record, const ZReduction& values) {
    putRecordText(record, kDateOffset, kDateLength + 1, values.date);
    putRecordText(record, kTimeOffset, kTimeLength + 1, values.time);
    putValue<std::int32_t>(record, kActionOffset, values.action);
    // The fourth argument of the reduction is eight zero bytes, whatever a stored block held.
    if (record.size() >= kReservedOffset + kReservedSize)
        std::fill_n(record.begin() + kReservedOffset, kReservedSize, '\0');
}

ZReduction zReductionIn(std::span<const char> record) {
    return {recordText(record, kDateOffset, kDateLength + 1),
            recordText(record, kTimeOffset, kTimeLength + 1), intAt(record, kActionOffset)};
}

void putFiscalMemoryReading(std::span<char> record, const ReadingRange& values) {
    putRange(record, values);
    putValue<std::int32_t>(record, kFirstIndexOffset, values.printType);
    putValue<std::int32_t>(record, kSecondIndexOffset, values.rangeType);
}

ReadingRange fiscalMemoryReadingIn(std::span<const char> record) {
    ReadingRange range = rangeIn(record);
    range.printType = intAt(record, kFirstIndexOffset);
    range.rangeType = intAt(record, kSecondIndexOffset);
    return range;
}

void putDetailMemoryReading(std::span<char> record, const ReadingRange& values) {
    putRange(record, values);
    putValue<std::int32_t>(record, kFirstIndexOffset, values.rangeType);
}

ReadingRange detailMemoryReadingIn(std::span<const char> record) {
    ReadingRange range = rangeIn(record);
    range.rangeType = intAt(record, kFirstIndexOffset);
    return range;
}

} // namespace morvelan
