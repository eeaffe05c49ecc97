// "Troca usuário/incluir IM" (6.13), the taxpayer step of the sealing sequence, and "Dados do
// contribuinte (fiscalização)" (7.3, read-only): records the taxpayer in the printer's fiscal
// memory after two confirmations. Third-generation printers get new signature keys after a change
// of user.
#pragma once

#include "core/features/taxpayer/TaxpayerRecording.h"
#include "gui/forms/common/CSettingForm.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace morvelan {

class CRightView_01_13 final : public CSettingForm {
public:
    explicit CRightView_01_13(FormContext& context);
    void refreshControls() override;

    fiscal::TaxpayerValues valuesInControls() const;

protected:
    void send() override;
    bool readingAccepted(const FormRecord& reading) override;

private:
    void choosePreset(std::size_t preset);
    fiscal::UserCheck readCurrentUser();

    QLineEdit* m_cnpj = nullptr;
    QLineEdit* m_stateRegistration = nullptr;
    QLineEdit* m_municipalRegistration = nullptr;
    QLineEdit* m_password = nullptr;
    QComboBox* m_quantityDecimals = nullptr;
    QComboBox* m_priceDecimals = nullptr;
};

} // namespace morvelan
