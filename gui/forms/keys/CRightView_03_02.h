// "Habilitar AD" (3.2): enables the key loaded by "Gerar chaves de AD" and adds the printer's
// public key to the key file.
#pragma once

#include "gui/forms/common/FormChrome.h"

class QPushButton;

namespace morvelan {

class CRightView_03_02 final : public CFormView {
public:
    explicit CRightView_03_02(FormContext& context);
    void refreshControls() override {}

    QPushButton* sendButton() const { return m_send; }

private:
    QPushButton* m_send = nullptr;
};

} // namespace morvelan
