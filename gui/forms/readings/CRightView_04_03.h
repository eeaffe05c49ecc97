// "LMF" (8.3): the fiscal memory reading, complete or simplified, by reduction counter or date.
#pragma once

#include "gui/forms/readings/CPrintedReadingView.h"

class QComboBox;
class QLineEdit;

namespace morvelan {

class CRightView_04_03 final : public CPrintedReadingView {
public:
    explicit CRightView_04_03(FormContext& context);
    void refreshControls() override;

private:
    void collectControls() override;
    QLineEdit* m_start = nullptr;
    QLineEdit* m_end = nullptr;
    QComboBox* m_printType = nullptr;
    QComboBox* m_rangeType = nullptr;
};

} // namespace morvelan
