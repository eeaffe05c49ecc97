// "Desconto ISSQN" (6.11, and 7.14 read-only): whether the printer allows discounts on ISSQN
// items.
#pragma once

#include "gui/forms/common/CSettingForm.h"

class QComboBox;

namespace morvelan {

class CRightView_01_11 final : public CSettingForm {
public:
    explicit CRightView_01_11(FormContext& context);
    void refreshControls() override;

protected:
    void send() override;

private:
    QComboBox* m_discount = nullptr;
};

} // namespace morvelan
