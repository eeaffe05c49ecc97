// "Porta de comunicação serial do ECF" (6.4): the speed of the printer's serial port. It has no
// printer choice and no reading; after a change the printer must be switched off and on.
#pragma once

#include "gui/forms/common/CSettingForm.h"

class QComboBox;

namespace morvelan {

class CRightView_01_04 final : public CSettingForm {
public:
    explicit CRightView_01_04(FormContext& context);
    void refreshControls() override;

protected:
    void send() override;

private:
    QComboBox* m_speed = nullptr;
};

} // namespace morvelan
