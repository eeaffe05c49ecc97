// The form of the printer's non-fiscal totalizers (6.10, and 7.12 read-only).
#pragma once

#include "core/features/tables/TableRecords.h"
#include "gui/forms/config/CTableForm.h"

namespace morvelan {

class CRightView_01_10 final : public CTableForm {
public:
    explicit CRightView_01_10(FormContext& context)
        : CTableForm(context, QStringLiteral("CRightView_01_10"), tables::kNonFiscalTable) {}
};

} // namespace morvelan
