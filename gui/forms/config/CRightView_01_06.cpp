#include "gui/forms/config/CRightView_01_06.h"

#include "core/features/settings/SettingTexts.h"
#include "gui/dialogs/ReadOnlyText.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace morvelan {

CRightView_01_06::CRightView_01_06(FormContext& context)
    : CSettingForm(context, QStringLiteral("CRightView_01_06"), 6, {QStringLiteral("&Alterar")}) {
    auto* fields = addFieldRows();
    m_state = new QLineEdit(this);
    m_state->setObjectName(QStringLiteral("stateEdit"));
    m_state->setReadOnly(true);
    keepTextFromStart(m_state);
    fields->addRow(QStringLiteral("Estado Atual:"), m_state);
    finishLayout();
    refreshControls();
}

void CRightView_01_06::refreshControls() {
    // Before a reading the form knows nothing of the printer's state and claims nothing.
    m_state->setText(showsReading() ? qtText(settings::daylightSavingText(record())) : QString());
}

void CRightView_01_06::send() {
    // The printer toggles its own state: the form sends nothing but the request.
    services().runOperation(6, step(), {}, selection());
}

} // namespace morvelan
