// "RZ" (8.2): the Z reduction, with the optional clock adjustment of up to five minutes and the
// daylight-saving action.
#pragma once

#include "gui/forms/readings/CPrintedReadingView.h"

class QComboBox;
class QLineEdit;

namespace morvelan {

class CRightView_04_02 final : public CPrintedReadingView {
public:
    explicit CRightView_04_02(FormContext& context);
    void refreshControls() override;

private:
    void collectControls() override;
    QLineEdit* m_date = nullptr;
    QLineEdit* m_time = nullptr;
    QComboBox* m_action = nullptr;
};

} // namespace morvelan
