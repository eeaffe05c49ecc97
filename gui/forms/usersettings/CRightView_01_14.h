// "Operador" (6.15, and 7.13 in read mode): the operator's name.
#pragma once

#include "gui/forms/usersettings/CUserSettingForm.h"

class QLineEdit;

namespace morvelan {

class CRightView_01_14 final : public CUserSettingForm {
public:
    explicit CRightView_01_14(FormContext& context);
    void refreshControls() override;

private:
    bool collectControls() override;
    QLineEdit* m_name = nullptr;
};

} // namespace morvelan
