// "Símbolo da moeda" (6.3, and 7.5 read-only).
#pragma once

#include "gui/forms/common/CSettingForm.h"

class QLineEdit;

namespace morvelan {

class CRightView_01_03 final : public CSettingForm {
public:
    explicit CRightView_01_03(FormContext& context);
    void refreshControls() override;

protected:
    void send() override;

private:
    QLineEdit* m_symbol = nullptr;
};

} // namespace morvelan
