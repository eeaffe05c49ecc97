#include "gui/forms/usersettings/CUserSettingForm.h"

#include "core/features/common/SequenceAbandon.h"
#include "core/features/usersettings/UserSettings.h"

#include <QPushButton>

namespace morvelan {

CUserSettingForm::CUserSettingForm(FormContext& context, const QString& formClass, int step,
                                   bool mkiiiOnly)
    : CSettingForm(
          context, formClass, step,
          {QStringLiteral("&Enviar"), true, true, PrinterLabelStyle::ModelPort, TabsShown::Always}),
      m_mkiiiOnly(mkiiiOnly) {
    m_refused = m_mkiiiOnly && fiscal::refusesMkiiiFunction(services());
}

void CUserSettingForm::finishLayout(std::initializer_list<QWidget*> readModeHidden) {
    CSettingForm::finishLayout({}, readModeHidden);
    readButton()->setEnabled(!sequenceRunning(services()));
    refreshControls();
}

bool CUserSettingForm::refused() {
    // Built while no printer answered, the form could not know the printer; the first press
    // finds it out, so an older printer switched on since is refused all the same.
    if (m_mkiiiOnly && !m_refused && !services().printer(0).present && services().ensurePrinter())
        m_refused = fiscal::refusesMkiiiFunction(services());
    if (!m_refused)
        return false;
    services().prompts().message(kAlertTitle, fiscal::kMkiiiOnly, PromptIcon::Information);
    sendButton()->hide();
    readButton()->hide();
    if (auto* abandon = findChild<QPushButton*>(QStringLiteral("abandonSequence")))
        abandon->hide();
    return true;
}

void CUserSettingForm::send() {
    if (refused() || !collectControls())
        return;
    services().runOperation(6, step(), record(), selection());
}

} // namespace morvelan
