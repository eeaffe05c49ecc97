// "Dados da serialização" (7.2): the printer's serial numbers, maker, model, type and software
// version.
#pragma once

#include "core/features/readings/ReadingTexts.h"
#include "gui/forms/readings/CReadingView.h"

#include <array>

class QLineEdit;

namespace morvelan {

class CRightView_02_02 final : public CReadingView {
public:
    explicit CRightView_02_02(FormContext& context);
    void refreshControls() override;

private:
    std::array<QLineEdit*, kSerializationFieldCount> m_fields{};
};

} // namespace morvelan
