#include "gui/forms/config/CRightView_01_03.h"

#include "core/features/settings/SettingTexts.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace morvelan {

CRightView_01_03::CRightView_01_03(FormContext& context)
    : CSettingForm(context, QStringLiteral("CRightView_01_03"), 3, {}) {
    auto* fields = addFieldRows();
    m_symbol = new QLineEdit(this);
    m_symbol->setObjectName(QStringLiteral("currencyEdit"));
    m_symbol->setMaxLength(3);
    fields->addRow(QString::fromUtf8("Símbolo da moeda:"), m_symbol);
    auto* note = new QLabel(qtText(settings::kCurrencyNote), this);
    note->setObjectName(QStringLiteral("currencyNote"));
    body()->addWidget(note);
    finishLayout();
    refreshControls();
}

void CRightView_01_03::refreshControls() {
    m_symbol->setText(qtText(settings::currencySymbol(record())));
}

void CRightView_01_03::send() {
    record() = settings::currencyRecord(m_symbol->text().toStdString());
    services().runOperation(6, step(), record(), selection());
}

} // namespace morvelan
