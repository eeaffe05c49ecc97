// "Estado do ECF" (7.1): a run that calls nothing but the status reading, whose decoded texts the
// response panel shows.
#pragma once

#include "gui/forms/common/FormChrome.h"
#include "gui/forms/common/PrinterSelector.h"

class QPushButton;

namespace morvelan {

class CRightView_02_01 final : public CFormView {
public:
    explicit CRightView_02_01(FormContext& context);
    void refreshControls() override {}

    QPushButton* checkButton() const { return m_check; }
    PrinterSelector* printerSelector() const { return m_selector; }

private:
    PrinterSelector* m_selector = nullptr;
    QPushButton* m_check = nullptr;
};

} // namespace morvelan
