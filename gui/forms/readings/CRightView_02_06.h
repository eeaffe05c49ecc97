// "Dados da jornada fiscal" (7.6): start and end of the fiscal day, its counters and its three
// states.
#pragma once

#include "core/features/readings/ReadingTexts.h"
#include "gui/forms/readings/CReadingView.h"

#include <array>

class QLineEdit;

namespace morvelan {

class CRightView_02_06 final : public CReadingView {
public:
    explicit CRightView_02_06(FormContext& context);
    void refreshControls() override;

private:
    std::array<QLineEdit*, kFiscalDayFieldCount> m_fields{};
};

} // namespace morvelan
