// The form of the printer's managerial reports (6.8, and 7.10 read-only).
#pragma once

#include "core/features/tables/TableRecords.h"
#include "gui/forms/config/CTableForm.h"

namespace morvelan {

class CRightView_01_08 final : public CTableForm {
public:
    explicit CRightView_01_08(FormContext& context)
        : CTableForm(context, QStringLiteral("CRightView_01_08"), tables::kReportTable) {}
};

} // namespace morvelan
