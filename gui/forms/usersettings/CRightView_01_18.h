// "Casas Decimais (MKIII)" (6.17, and 7.17 in read mode): quantity and unit-price decimals, with
// the three presets.
#pragma once

#include "gui/forms/usersettings/CUserSettingForm.h"

#include <array>

class QComboBox;
class QPushButton;

namespace morvelan {

class CRightView_01_18 final : public CUserSettingForm {
public:
    explicit CRightView_01_18(FormContext& context);
    void refreshControls() override;

private:
    bool collectControls() override;
    void applyPreset(std::size_t preset);

    QComboBox* m_quantity = nullptr;
    QComboBox* m_price = nullptr;
    std::array<QPushButton*, 3> m_presets{};
};

} // namespace morvelan
