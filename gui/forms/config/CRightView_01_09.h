// The form of the printer's ICMS and ISSQN tax rates (6.9, and 7.11 read-only).
#pragma once

#include "core/features/tables/TableRecords.h"
#include "gui/forms/config/CTableForm.h"

namespace morvelan {

class CRightView_01_09 final : public CTableForm {
public:
    explicit CRightView_01_09(FormContext& context)
        : CTableForm(context, QStringLiteral("CRightView_01_09"), tables::kTaxRateTable) {}
};

} // namespace morvelan
