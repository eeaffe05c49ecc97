// The shape of the forms that only read the printer: one tab per present printer, read-only
// fields showing the reading of the printer on the current tab, and a button that reads it again
// through "&Ler Configuração". A failed reading leaves the fields as they were (the engine has
// said why).
#pragma once

#include "gui/forms/common/CPrinterReadingForm.h"
#include "gui/forms/common/PrinterSelector.h"

class QPushButton;
class QVBoxLayout;

namespace morvelan {

class CReadingView : public CPrinterReadingForm {
public:
    // `step` is the reading's code in "Leitura de informações".
    CReadingView(FormContext& context, const QString& formClass, int step);

    // Reads the printer into a fresh zeroed record; true when it answered.
    bool readPrinter();

    PrinterSelector* printerSelector() const { return m_selector; }
    QPushButton* readButton() const { return m_read; }

protected:
    // Where the form puts its fields, between the tabs and the buttons.
    QVBoxLayout* body() const { return m_body; }
    // Adds the read button (and any `extra` buttons after it) and makes every field read-only;
    // the form calls it once its fields exist.
    void finishLayout(std::initializer_list<QPushButton*> extra = {});

private:
    int m_step;
    PrinterSelector* m_selector = nullptr;
    QVBoxLayout* m_body = nullptr;
    QVBoxLayout* m_layout = nullptr;
    QPushButton* m_read = nullptr;
};

} // namespace morvelan
