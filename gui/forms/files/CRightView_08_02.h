// "Novo" (10.2) and "Salvar Como" (10.3): writes a new command file, or the working one under
// another name, with an identification.
#pragma once

#include "gui/forms/common/FormChrome.h"

class QLineEdit;

namespace morvelan {

class CRightView_08_02 final : public CFormView {
public:
    explicit CRightView_08_02(FormContext& context);
    void refreshControls() override;

private:
    void selectPath();
    void saveFile();

    QLineEdit* m_path = nullptr;
    QLineEdit* m_identification = nullptr;
};

} // namespace morvelan
