#include "gui/forms/usersettings/CRightView_01_14.h"

#include "core/features/usersettings/UserSettings.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace morvelan {

CRightView_01_14::CRightView_01_14(FormContext& context)
    : CUserSettingForm(context, QStringLiteral("CRightView_01_14"), fiscal::kOperatorStep, false) {
    auto* fields = new QFormLayout;
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("operatorName"));
    m_name->setMaxLength(static_cast<int>(fiscal::kOperatorLength));
    fields->addRow(QStringLiteral("Operador:"), m_name);
    body()->addLayout(fields);
    finishLayout();
}

void CRightView_01_14::refreshControls() {
    m_name->setText(qtText(fiscal::operatorName(record())));
}

bool CRightView_01_14::collectControls() {
    fiscal::putOperator(record(), m_name->text().toStdString());
    return true;
}

} // namespace morvelan
