#include "gui/forms/config/CRightView_01_04.h"

#include "core/engine/Engine.h"
#include "core/features/settings/SettingTexts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace morvelan {

CRightView_01_04::CRightView_01_04(FormContext& context)
    : CSettingForm(context, QStringLiteral("CRightView_01_04"), 4,
                   {QStringLiteral("&Enviar"), /*readsPrinter=*/false, /*choosesPrinter=*/false}) {
    auto* fields = addFieldRows();
    m_speed = new QComboBox(this);
    m_speed->setObjectName(QStringLiteral("speedList"));
    for (const char* entry : settings::kSpeedEntries)
        m_speed->addItem(QString::fromLatin1(entry));
    fields->addRow(QString::fromUtf8("Velocidade de comunicação:"), m_speed);
    finishLayout();
    refreshControls();
}

void CRightView_01_04::refreshControls() {
    m_speed->setCurrentIndex(settings::speedIndex(record()));
}

void CRightView_01_04::send() {
    const int index = m_speed->currentIndex();
    const auto speed = settings::speedToSend(index);
    if (!speed) {
        services().prompts().message(kAlertTitle, settings::speedRefusal(index),
                                     PromptIcon::Information);
        return;
    }
    record() = settings::speedRecord(*speed);
    services().runOperation(6, step(), record(), kAllPrinters);
}

} // namespace morvelan
