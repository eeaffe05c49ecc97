#include "gui/forms/usersettings/CRightView_01_18.h"

#include "core/features/usersettings/UserSettings.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvelan {
namespace {

QComboBox* decimalsList(QWidget* parent, const QString& name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (const char* choice : fiscal::kDecimalChoices)
        list->addItem(QString::fromUtf8(choice));
    list->setCurrentIndex(-1);
    return list;
}

} // namespace

CRightView_01_18::CRightView_01_18(FormContext& context)
    : CUserSettingForm(context, QStringLiteral("CRightView_01_18"), fiscal::kDecimalsStep, true) {
    auto* fields = new QFormLayout;
    m_quantity = decimalsList(this, QStringLiteral("quantityDecimals"));
    m_price = decimalsList(this, QStringLiteral("priceDecimals"));
    fields->addRow(QStringLiteral("Casas decimais - Quantidade"), m_quantity);
    fields->addRow(QString::fromUtf8("Casas decimais - Preço Unitário"), m_price);
    body()->addLayout(fields);
    auto* presets = new QHBoxLayout;
    for (std::size_t i = 0; i < m_presets.size(); ++i) {
        m_presets[i] = new QPushButton(QString::fromUtf8(fiscal::kDecimalPresetCaptions[i]), this);
        m_presets[i]->setObjectName(QStringLiteral("preset%1").arg(i + 1));
        connect(m_presets[i], &QPushButton::clicked, this, [this, i] { applyPreset(i); });
        presets->addWidget(m_presets[i]);
    }
    presets->addStretch();
    body()->addLayout(presets);
    finishLayout({m_presets[0], m_presets[1], m_presets[2]});
}

void CRightView_01_18::applyPreset(std::size_t preset) {
    const fiscal::DecimalPreset& p = fiscal::kDecimalPresets[preset];
    m_quantity->setCurrentIndex(p.quantity);
    m_price->setCurrentIndex(p.price);
    m_quantity->setEnabled(p.listsEnabled);
    m_price->setEnabled(p.listsEnabled);
    if (p.announce)
        services().prompts().message(kAlertTitle, fiscal::kDecimalsSelected,
                                     PromptIcon::Information);
}

void CRightView_01_18::refreshControls() {
    m_quantity->setCurrentIndex(fiscal::decimalIndex(
        recordText(record(), fiscal::kQuantityOffset, fiscal::kDecimalsWidth)));
    m_price->setCurrentIndex(
        fiscal::decimalIndex(recordText(record(), fiscal::kPriceOffset, fiscal::kDecimalsWidth)));
}

bool CRightView_01_18::collectControls() {
    const std::string quantity = m_quantity->currentText().toStdString();
    const std::string price = m_price->currentText().toStdString();
    const std::string errors = fiscal::decimalErrors(quantity, price);
    if (!errors.empty()) {
        services().prompts().message(kAlertTitle, errors, PromptIcon::Information);
        return false;
    }
    fiscal::putDecimals(record(), quantity, price);
    return true;
}

} // namespace morvelan
