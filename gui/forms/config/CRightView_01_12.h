// "Iniciar nova MFD em caso de esgotamento ou falha" (6.12).
#pragma once

#include "gui/forms/config/CNoticeForm.h"

namespace morvelan {

class CRightView_01_12 final : public CNoticeForm {
public:
    explicit CRightView_01_12(FormContext& context)
        : CNoticeForm(context, QStringLiteral("CRightView_01_12"), 12,
                      {"Procedimento para iniciar nova MFD em caso de esgotamento ou falha",
                       "Consulte os Boletins Técnicos da Korva"}) {}
};

} // namespace morvelan
