// What the forms that read the printer share: the last reading of each printer slot, and showing
// the reading of the printer whose tab is picked in the form's fields. A slot never read leaves
// the fields as they were. Lives on the user-interface thread.
#pragma once

#include "core/features/common/PrinterReadings.h"
#include "gui/forms/common/FormChrome.h"

namespace morvelan {

class CPrinterReadingForm : public CFormView {
public:
    CPrinterReadingForm(FormContext& context, const QString& formClass);

    // True once the fields show a reading of the printer rather than the values the form started
    // with.
    bool showsReading() const { return m_showsReading; }

protected:
    // Keeps a reading the printer answered and shows the printer of `shownSlot`.
    void keepReading(FormRecord reading, int shownSlot);
    // Called after a reading has been shown, for what a form adds to it.
    virtual void readingShown() {}
    // Shows what was last read from the printer of `slot` (the tab changed, or a reading came).
    virtual void showPrinter(int slot);

private:
    bool m_showsReading = false;
    PrinterReadings m_readings;
};

} // namespace morvelan
