// "Incluir IM (MKIII)" (6.16): adds a municipal registration to the printer's user.
#pragma once

#include "gui/forms/usersettings/CUserSettingForm.h"

class QLineEdit;

namespace morvelan {

class CRightView_01_17 final : public CUserSettingForm {
public:
    explicit CRightView_01_17(FormContext& context);
    void refreshControls() override;

private:
    bool collectControls() override;
    QLineEdit* m_im = nullptr;
};

} // namespace morvelan
