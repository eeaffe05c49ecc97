// "MFD" (8.4): the detail memory reading by reduction counter, date or COO.
#pragma once

#include "gui/forms/readings/CPrintedReadingView.h"

class QComboBox;
class QLineEdit;

namespace morvelan {

class CRightView_04_04 final : public CPrintedReadingView {
public:
    explicit CRightView_04_04(FormContext& context);
    void refreshControls() override;

private:
    void collectControls() override;
    QLineEdit* m_start = nullptr;
    QLineEdit* m_end = nullptr;
    QComboBox* m_rangeType = nullptr;
};

} // namespace morvelan
