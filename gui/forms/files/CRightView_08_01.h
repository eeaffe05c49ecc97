// "Abrir" (10.1): chooses a command file and makes it the working one.
#pragma once

#include "gui/forms/common/FormChrome.h"

class QLineEdit;
class QPushButton;

namespace morvelan {

class CRightView_08_01 final : public CFormView {
public:
    explicit CRightView_08_01(FormContext& context);
    void refreshControls() override;

private:
    void selectFile();
    void loadFile();

    QLineEdit* m_path = nullptr;
};

} // namespace morvelan
