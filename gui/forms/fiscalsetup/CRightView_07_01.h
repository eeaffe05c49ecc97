// "Executar Seqüência de lacração" (2.1): what the sealing sequence will do, and the button that
// locks the function tree and starts it at the date and time.
#pragma once

#include "core/present/SealingSequence.h"
#include "gui/forms/common/FormChrome.h"

namespace morvelan {

inline constexpr const char* kSealingTitle = "Esta seqüência irá inicializar a impressora";

class CRightView_07_01 final : public CFormView {
public:
    explicit CRightView_07_01(FormContext& context);
    void refreshControls() override {}

private:
    void startSequence();
};

} // namespace morvelan
