// "Executar Seqüência de lacração" (2.1): what the sealing sequence will do, and the button that
// locks the function tree and starts it at the date and time.
#pragma once

#include "gui/forms/common/FormChrome.h"

#include <array>

namespace morvelan {

inline constexpr const char* kSealingTitle = "Esta seqüência irá inicializar a impressora";
inline constexpr std::array<const char*, 7> kSealingStepNames = {
    "Configurar Data e Hora",
    "Configurar Dados Contribuinte",
    "Configurar Clichê",
    "Configurar Alíquotas",
    "Configurar Totalizadores Não Fiscais",
    "Configurar Relatórios Gerenciais",
    "Configurar Meios de Pagamentos"};

class CRightView_07_01 final : public CFormView {
public:
    explicit CRightView_07_01(FormContext& context);
    void refreshControls() override {}

private:
    void startSequence();
};

} // namespace morvelan
