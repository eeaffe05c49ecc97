#include "gui/forms/common/CPrinterReadingForm.h"

namespace morvelan {

CPrinterReadingForm::CPrinterReadingForm(FormContext& context, const QString& formClass)
    : CFormView(context, formClass), m_readings(services().printerSlotCount()) {}

void CPrinterReadingForm::keepReading(FormRecord reading, int shownSlot) {
    // The read worker serves the first printer slot; its values belong to that tab.
    m_readings.store(0, std::move(reading));
    showPrinter(shownSlot);
}

void CPrinterReadingForm::showPrinter(int slot) {
    const FormRecord* reading = m_readings.find(slot);
    if (reading == nullptr)
        return;
    record() = *reading;
    m_showsReading = true;
    refreshControls();
    readingShown();
}

} // namespace morvelan
