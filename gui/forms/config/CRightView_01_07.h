// The form of the printer's payment methods (6.7, and 7.9 read-only).
#pragma once

#include "core/features/tables/TableRecords.h"
#include "gui/forms/config/CTableForm.h"

namespace morvelan {

class CRightView_01_07 final : public CTableForm {
public:
    explicit CRightView_01_07(FormContext& context)
        : CTableForm(context, QStringLiteral("CRightView_01_07"), tables::kPaymentTable) {}
};

} // namespace morvelan
