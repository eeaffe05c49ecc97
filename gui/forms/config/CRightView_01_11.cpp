#include "gui/forms/config/CRightView_01_11.h"

#include "core/features/settings/SettingTexts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace morvelan {

CRightView_01_11::CRightView_01_11(FormContext& context)
    : CSettingForm(context, QStringLiteral("CRightView_01_11"), 11, {}) {
    auto* fields = addFieldRows();
    m_discount = new QComboBox(this);
    m_discount->setObjectName(QStringLiteral("issqnList"));
    for (const char* entry : settings::kIssqnEntries)
        m_discount->addItem(QString::fromUtf8(entry));
    fields->addRow(QStringLiteral("Desconto em ISSQN:"), m_discount);
    finishLayout();
    refreshControls();
}

void CRightView_01_11::refreshControls() {
    m_discount->setCurrentIndex(settings::issqnIndex(record()));
}

void CRightView_01_11::send() {
    record() = settings::issqnRecord(m_discount->currentIndex());
    services().runOperation(6, step(), record(), selection());
}

} // namespace morvelan
