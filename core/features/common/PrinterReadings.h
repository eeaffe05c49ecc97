// What a form last read from each printer slot, so that changing the tab shows that printer's
// values. A slot without a reading has nothing to show.
#pragma once

#include "core/features/common/FormRecord.h"

#include <vector>

namespace morvelan {

class PrinterReadings {
public:
    explicit PrinterReadings(int slotCount);

    void store(int slot, FormRecord reading);
    // The reading of `slot`; null when the slot was never read (or is out of range).
    const FormRecord* find(int slot) const;
    void clear();

private:
    std::vector<FormRecord> m_readings; // empty record: not read
};

} // namespace morvelan
