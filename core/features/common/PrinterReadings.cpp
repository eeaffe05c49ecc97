#include "core/features/common/PrinterReadings.h"

#include <algorithm>

namespace morvelan {

PrinterReadings::PrinterReadings(int slotCount)
    : m_readings(static_cast<std::size_t>(std::max(slotCount, 0))) {}

void PrinterReadings::store(int slot, FormRecord reading) {
    if (slot >= 0 && static_cast<std::size_t>(slot) < m_readings.size())
        m_readings[static_cast<std::size_t>(slot)] = std::move(reading);
}

const FormRecord* PrinterReadings::find(int slot) const {
    if (slot < 0 || static_cast<std::size_t>(slot) >= m_readings.size())
        return nullptr;
    const auto& reading = m_readings[static_cast<std::size_t>(slot)];
    return reading.empty() ? nullptr : &reading;
}

void PrinterReadings::clear() {
    for (auto& reading : m_readings)
        reading.clear();
}

} // namespace morvelan
