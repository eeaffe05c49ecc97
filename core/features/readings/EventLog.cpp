#include "core/features/readings/EventLog.h"

#include "core/base/AtomicFile.h"

#include <algorithm>
#include <cstring>

namespace morvelan {

std::size_t eventLogCount(std::string_view countText) {
    std::size_t count = 0;
    for (const char c : countText) {
        if (c < '0' || c > '9')
            break;
        count = count * 10 + static_cast<std::size_t>(c - '0');
    }
    return count;
}

EventGrid eventGrid(std::string_view log, std::size_t count) {
    EventGrid grid{};
    const std::size_t available = std::min(count, log.size());
    for (std::size_t row = 0; row < kEventLogRows; ++row) {
        const std::size_t start = row * kEventRecordSize;
        if (start + kEventRecordSize > available)
            break;
        std::size_t offset = start;
        for (std::size_t column = 0; column < kEventLogColumns; ++column) {
            grid[row][column] = std::string(log.substr(offset, kEventFieldWidths[column]));
            offset += kEventFieldWidths[column];
        }
    }
    return grid;
}

EventLogReading eventLogReading(std::span<const char> record) {
    // The reading body leaves the log in the first bytes and the count after its zero.
    const std::string_view log(
        record.data(), strnlen(record.data(), std::min(kEventLogTextLength, record.size())));
    EventLogReading reading;
    if (record.size() > kEventLogCountOffset)
        reading.countText = std::string(
            record.data() + kEventLogCountOffset,
            strnlen(record.data() + kEventLogCountOffset, record.size() - kEventLogCountOffset));
    reading.grid = eventGrid(log, eventLogCount(reading.countText));
    return reading;
}

std::string eventLogFileText(const EventGrid& grid) {
    std::string text;
    for (const auto& row : grid) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            if (column > 0)
                text += " - ";
            text += row[column];
        }
        text += "\r\n";
    }
    return text;
}

bool saveEventLog(Prompts& prompts, const EventGrid& grid) {
    const auto path = prompts.saveFile(kEventLogFilter, kEventLogExtension);
    if (!path)
        return false;
    // A save cut short leaves the file that was there whole, and is no saved file either.
    if (!replaceFileAtomically(*path, eventLogFileText(grid))) {
        prompts.message(kAlertTitle, kEventLogNotSaved, PromptIcon::Error);
        return false;
    }
    prompts.message(kAlertTitle, kEventLogSaved, PromptIcon::Information);
    return true;
}

} // namespace morvelan
