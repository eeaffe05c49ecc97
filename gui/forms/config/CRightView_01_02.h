// "Clichê" (6.2, and 7.4 read-only): the four header lines with their print attributes, the ECF
// number and the store number. Third-generation printers may leave the trade name and the second
// address line out.
#pragma once

#include "core/features/settings/HeaderLines.h"
#include "core/features/settings/SettingRecords.h"
#include "gui/forms/common/CSettingForm.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace morvelan {

class CRightView_01_02 final : public CSettingForm {
public:
    explicit CRightView_01_02(FormContext& context);
    void refreshControls() override;

    settings::HeaderValues valuesInControls() const;

protected:
    void send() override;

private:
    struct LineControls {
        QLineEdit* text = nullptr;
        QCheckBox* reverse = nullptr;
        QCheckBox* bold = nullptr;
        QCheckBox* underline = nullptr;
        QCheckBox* doubleHeight = nullptr;
        QCheckBox* doubleWidth = nullptr;
    };
    // The box that decides whether a line that may be left out is sent, and its line.
    struct OptionalLine {
        QCheckBox* send = nullptr;
        QLineEdit* text = nullptr;
    };

    void showOptionalLine(const OptionalLine& line, bool thirdGeneration, bool printerHasIt);

    std::array<LineControls, settings::kHeaderLineCount> m_lines{};
    OptionalLine m_tradeName;
    OptionalLine m_secondAddress;
    QLineEdit* m_ecf = nullptr;
    QLineEdit* m_store = nullptr;
};

} // namespace morvelan
