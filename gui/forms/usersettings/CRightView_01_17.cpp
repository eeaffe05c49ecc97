#include "gui/forms/usersettings/CRightView_01_17.h"

#include "core/features/usersettings/UserSettings.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace morvelan {

CRightView_01_17::CRightView_01_17(FormContext& context)
    : CUserSettingForm(context, QStringLiteral("CRightView_01_17"), fiscal::kMunicipalStep, true) {
    auto* fields = new QFormLayout;
    m_im = new QLineEdit(this);
    m_im->setObjectName(QStringLiteral("municipalRegistration"));
    m_im->setMaxLength(static_cast<int>(fiscal::kMunicipalLength));
    fields->addRow(QString::fromUtf8("Inscrição Municipal:"), m_im);
    body()->addLayout(fields);
    finishLayout();
}

void CRightView_01_17::refreshControls() {
    m_im->setText(qtText(fiscal::municipalRegistration(record())).trimmed());
}

bool CRightView_01_17::collectControls() {
    fiscal::putMunicipalRegistration(record(), m_im->text().toStdString());
    return true;
}

} // namespace morvelan
