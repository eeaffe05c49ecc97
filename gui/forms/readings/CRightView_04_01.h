// "LX" (8.1): the printer prints an X reading.
#pragma once

#include "core/features/readings/PrintedReadings.h"
#include "gui/forms/readings/CPrintedReadingView.h"

namespace morvelan {

class CRightView_04_01 final : public CPlainReadingView {
public:
    explicit CRightView_04_01(FormContext& context)
        : CPlainReadingView(context, QStringLiteral("CRightView_04_01"), 1, kReadingXText) {}
};

} // namespace morvelan
