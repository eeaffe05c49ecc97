#include "gui/forms/fiscalsetup/CRightView_01_13.h"

#include "core/engine/Engine.h"
#include "core/features/keys/KeyOperations.h"
#include "core/features/usersettings/UserSettings.h"
#include "gui/forms/common/PrinterSelector.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvelan {

namespace {
constexpr int kNextStep = 1;
constexpr int kTaxpayerStep = 13;

QComboBox* decimalsList(QWidget* parent, const QString& name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    // The taxpayer form writes the decimals with two digits, as the printer prints them.
    list->addItem(QStringLiteral("02"));
    list->addItem(QStringLiteral("03"));
    list->setCurrentIndex(-1);
    return list;
}

void selectDecimals(QComboBox* list, const std::string& decimals) {
    list->setCurrentIndex(fiscal::decimalIndex(decimals));
}
} // namespace

CRightView_01_13::CRightView_01_13(FormContext& context)
    : CSettingForm(context, QStringLiteral("CRightView_01_13"), kTaxpayerStep,
                   {QStringLiteral("&Enviar"), true, true, PrinterLabelStyle::ModelPort,
                    TabsShown::Always}) {
    auto* fields = addFieldRows();
    const auto edit = [this, fields](const QString& label, const QString& name, int length) {
        auto* field = new QLineEdit(this);
        field->setObjectName(name);
        field->setMaxLength(length);
        fields->addRow(label, field);
        return field;
    };
    m_cnpj = edit(QStringLiteral("C.N.P.J"), QStringLiteral("cnpjEdit"), 18);
    // The alphanumeric C.N.P.J is written in upper case; typed in lower case it is shown, checked
    // and sent the official way.
    connect(m_cnpj, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int cursor = m_cnpj->cursorPosition();
        m_cnpj->setText(text.toUpper());
        m_cnpj->setCursorPosition(cursor);
    });
    m_stateRegistration = edit(QStringLiteral("I.E"), QStringLiteral("ieEdit"), 20);
    m_municipalRegistration = edit(QStringLiteral("I.M"), QStringLiteral("imEdit"), 20);
    m_password = edit(QString::fromUtf8("Senha de Gravação"), QStringLiteral("passwordEdit"), 8);
    m_quantityDecimals = decimalsList(this, QStringLiteral("quantityDecimals"));
    fields->addRow(QStringLiteral("Casas decimais - Quantidade"), m_quantityDecimals);
    m_priceDecimals = decimalsList(this, QStringLiteral("priceDecimals"));
    fields->addRow(QString::fromUtf8("Casas decimais - Preço Unitário"), m_priceDecimals);

    auto* presets = new QHBoxLayout;
    std::array<QPushButton*, fiscal::kDecimalPresets.size()> presetButtons{};
    for (std::size_t i = 0; i < presetButtons.size(); ++i) {
        presetButtons[i] =
            new QPushButton(QString::fromUtf8(fiscal::kDecimalPresetCaptions[i]), this);
        presetButtons[i]->setObjectName(QStringLiteral("preset%1").arg(i + 1));
        connect(presetButtons[i], &QPushButton::clicked, this, [this, i] { choosePreset(i); });
        presets->addWidget(presetButtons[i]);
    }
    presets->addStretch();
    body()->addLayout(presets);

    auto* procedure = new QGroupBox(this);
    procedure->setObjectName(QStringLiteral("procedure"));
    auto* procedureTexts = new QVBoxLayout(procedure);
    procedureTexts->addWidget(new QLabel(
        QString::fromUtf8("Procedimento para troca de usuário ou inclusão de IM"), procedure));
    procedureTexts->addWidget(
        new QLabel(QString::fromUtf8("Consulte os Boletins Técnicos da Korva"), procedure));
    body()->addWidget(procedure);
    finishLayout({}, {presetButtons[0], presetButtons[1], presetButtons[2], m_password,
                      fields->labelForField(m_password)});

    procedure->setVisible(mode() == FormMode::Send && runsAlone());
    // Inside the sealing sequence the printer is new: there is no user to read.
    readButton()->setEnabled(runsAlone());
    refreshControls();
}

void CRightView_01_13::refreshControls() {
    const auto values = fiscal::taxpayerValues(record());
    m_cnpj->setText(qtText(values.cnpj));
    m_stateRegistration->setText(qtText(values.stateRegistration));
    m_municipalRegistration->setText(qtText(values.municipalRegistration));
    m_password->setText(qtText(values.password));
    selectDecimals(m_quantityDecimals, values.quantityDecimals);
    selectDecimals(m_priceDecimals, values.priceDecimals);
}

bool CRightView_01_13::readingAccepted(const FormRecord& reading) {
    if (fiscal::userNumber(reading) > 0)
        return true;
    services().prompts().message(kAlertTitle, fiscal::kNoUserMessage, PromptIcon::Information);
    return false;
}

void CRightView_01_13::choosePreset(std::size_t preset) {
    const auto& chosen = fiscal::kDecimalPresets[preset];
    m_quantityDecimals->setCurrentIndex(chosen.quantity);
    m_priceDecimals->setCurrentIndex(chosen.price);
    m_quantityDecimals->setEnabled(chosen.listsEnabled);
    m_priceDecimals->setEnabled(chosen.listsEnabled);
    if (chosen.announce)
        services().prompts().message(kAlertTitle, fiscal::kDecimalsSelected,
                                     PromptIcon::Information);
}

fiscal::TaxpayerValues CRightView_01_13::valuesInControls() const {
    return {m_cnpj->text().toStdString(),
            m_stateRegistration->text().toStdString(),
            m_municipalRegistration->text().toStdString(),
            m_password->text().toStdString(),
            m_quantityDecimals->currentText().toStdString(),
            m_priceDecimals->currentText().toStdString()};
}

fiscal::UserCheck CRightView_01_13::readCurrentUser() {
    FormRecord reading(fiscal::kTaxpayerRecordSize, '\0');
    if (!services().readOperation(6, kTaxpayerStep, reading, true))
        return fiscal::UserCheck::ReadFailed;
    return fiscal::userNumber(reading) > 0 ? fiscal::UserCheck::HasUser : fiscal::UserCheck::NoUser;
}

void CRightView_01_13::send() {
    const auto values = valuesInControls();
    const bool insideSequence = !runsAlone();
    const auto check = fiscal::checkRecording(values, readCurrentUser(), insideSequence);
    // The first run replaces this form by the response panel; what follows must not depend on
    // the form still being there, so it works on the frame and on data of its own.
    FormServices& frame = services();
    auto& prompts = frame.prompts();
    const auto nextStep = [&frame] { frame.advanceSealing(kNextStep); };
    if (check.refused) {
        if (check.message.empty())
            nextStep();
        else
            prompts.message(kAlertTitle, check.message, PromptIcon::Information);
        return;
    }
    if (!prompts.askOkCancel(kAlertTitle, fiscal::firstConfirmation(values),
                             PromptIcon::Information)) {
        nextStep();
        return;
    }
    FormRecord data = fiscal::taxpayerRecord(values, fiscal::kRecordMode);
    frame.runOperation(6, kTaxpayerStep, data, kAllPrinters);
    if (data[fiscal::kResultFlagOffset] != 0)
        return;
    // A new user on a third-generation printer needs signature keys of its own.
    if (!insideSequence) {
        for (int slot = 0; slot < frame.printerSlotCount(); ++slot)
            if (frame.printer(slot).isMkiii)
                keys::startKeyGeneration(frame, slot);
    }
    if (!prompts.askOkCancel(kAlertTitle, fiscal::secondConfirmation(values),
                             PromptIcon::Information)) {
        nextStep();
        return;
    }
    data[0] = fiscal::kConfirmMode;
    frame.runOperation(6, kTaxpayerStep, data, kAllPrinters);
}

} // namespace morvelan
