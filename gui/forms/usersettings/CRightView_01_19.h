// "Arredonda/Trunca/Fabricação Própria (MKIII)" (6.18, and 7.18 in read mode).
#pragma once

#include "gui/forms/usersettings/CUserSettingForm.h"

class QComboBox;

namespace morvelan {

class CRightView_01_19 final : public CUserSettingForm {
public:
    explicit CRightView_01_19(FormContext& context);
    void refreshControls() override;

private:
    bool collectControls() override;
    QComboBox* m_rounding = nullptr;
    QComboBox* m_ownManufacture = nullptr;
};

} // namespace morvelan
