// A form that only explains an operation and sends it: its texts and "&Enviar", which runs the
// operation at once for every printer, without data and without a question.
#pragma once

#include "gui/forms/common/CSettingForm.h"

#include <initializer_list>

namespace morvelan {

class CNoticeForm : public CSettingForm {
public:
    CNoticeForm(FormContext& context, const QString& formClass, int step,
                std::initializer_list<const char*> texts);
    void refreshControls() override {}

protected:
    void send() override;
};

} // namespace morvelan
