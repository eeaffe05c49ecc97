// The user and number settings forms: the setting form's shape with model-first tabs, reading
// kept off while a sequence runs, and for the MKIII functions the third-generation guard. A form
// says how its fields go into the record; this class reads and sends. Lives on the
// user-interface thread.
#pragma once

#include "gui/forms/common/CSettingForm.h"

#include <initializer_list>

namespace morvelan {

class CUserSettingForm : public CSettingForm {
public:
    // `step` is the form's code in "Configuração"; `mkiiiOnly` turns the guard on.
    CUserSettingForm(FormContext& context, const QString& formClass, int step, bool mkiiiOnly);

protected:
    // Adds the buttons below the fields and applies the mode; the form calls it once its fields
    // exist. `readModeHidden` are further controls that read mode hides.
    void finishLayout(std::initializer_list<QWidget*> readModeHidden = {});
    // Copies the fields into record(); false (after telling the technician) stops the send.
    virtual bool collectControls() = 0;

    void send() override;
    bool readingStarts() override { return !refused(); }

private:
    bool refused();

    bool m_mkiiiOnly;
    bool m_refused = false;
};

} // namespace morvelan
