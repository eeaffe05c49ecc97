// "Verificar comunicação" (1.1): confirms that the port opens and the printer answers. Every press
// detects the printer anew (the engine sees to that for this code).
#pragma once

#include "gui/forms/common/FormChrome.h"

class QPushButton;

namespace morvelan {

inline constexpr const char* kCommunicationCheckText =
    "Este comando executa comunicação com o ECF para confirmar que a porta foi corretamente "
    "aberta e que o ECF se encontra conectado";

class CRightView_05_01 final : public CFormView {
public:
    explicit CRightView_05_01(FormContext& context);
    void refreshControls() override {}

    QPushButton* sendButton() const { return m_send; }

private:
    QPushButton* m_send = nullptr;
};

} // namespace morvelan
