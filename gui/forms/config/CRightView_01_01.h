// "Forçar entrada em MIT" (6.1): sends the fixed clock setting that makes the printer enter its
// technical intervention mode.
#pragma once

#include "gui/forms/config/CNoticeForm.h"

namespace morvelan {

class CRightView_01_01 final : public CNoticeForm {
public:
    explicit CRightView_01_01(FormContext& context)
        : CNoticeForm(context, QStringLiteral("CRightView_01_01"), 1,
                      {"Esta opção deve realizar entrada em MIT imprimindo LX de entrada de "
                       "intervenção. Caso exista documento aberto no momento de execução deste "
                       "comando, o mesmo deve ser automaticamente fechado e se necessário deve ser "
                       "efetuada impressão de RZ.",
                       "Se a impressora já estiver em MIT apenas  retornar mensagem de sucesso."}) {
    }
};

} // namespace morvelan
