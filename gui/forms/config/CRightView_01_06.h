// "Horário de verão" (6.6, and 7.8 read-only): shows whether the printer is in daylight saving
// time; "&Alterar" makes the printer change from the state it is in.
#pragma once

#include "gui/forms/common/CSettingForm.h"

class QLineEdit;

namespace morvelan {

class CRightView_01_06 final : public CSettingForm {
public:
    explicit CRightView_01_06(FormContext& context);
    void refreshControls() override;

protected:
    void send() override;

private:
    QLineEdit* m_state = nullptr;
};

} // namespace morvelan
