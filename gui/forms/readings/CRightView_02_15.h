// "Estado das microchaves" (7.15): the printer's eight jumpers, each ON or OFF.
#pragma once

#include "core/features/readings/ReadingTexts.h"
#include "gui/forms/readings/CReadingView.h"

#include <array>

class QLineEdit;

namespace morvelan {

class CRightView_02_15 final : public CReadingView {
public:
    explicit CRightView_02_15(FormContext& context);
    void refreshControls() override;

private:
    std::array<QLineEdit*, kMicroswitchCount> m_fields{};
};

} // namespace morvelan
