// "LX de abertura de jornada fiscal" (8.5): the X reading that opens the fiscal day.
#pragma once

#include "core/features/readings/PrintedReadings.h"
#include "gui/forms/readings/CPrintedReadingView.h"

namespace morvelan {

class CRightView_04_05 final : public CPlainReadingView {
public:
    explicit CRightView_04_05(FormContext& context)
        : CPlainReadingView(context, QStringLiteral("CRightView_04_05"), 5, kOpeningReadingXText) {}
};

} // namespace morvelan
