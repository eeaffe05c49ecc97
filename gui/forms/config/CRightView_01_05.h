// "Data e hora" (6.5, and 7.7 read-only): reads the printer's clock, shows how far it is from this
// PC's, and sets it for good after the technician confirms.
#pragma once

#include "gui/forms/common/CSettingForm.h"

#include <ctime>

class QLabel;
class QLineEdit;
class QPushButton;

namespace morvelan {

class CRightView_01_05 final : public CSettingForm {
public:
    explicit CRightView_01_05(FormContext& context);
    void refreshControls() override;

protected:
    void send() override;
    bool readingStarts() override;
    void readingShown() override;

private:
    void useComputerClock();

    QLineEdit* m_date = nullptr;
    QLineEdit* m_time = nullptr;
    QPushButton* m_computerClock = nullptr;
    QLabel* m_difference = nullptr;
    std::time_t m_readingTime = 0;
};

} // namespace morvelan
