#include "gui/forms/usersettings/CRightView_01_19.h"

#include "core/features/usersettings/UserSettings.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace morvelan {
namespace {

template <std::size_t N>
QComboBox* choiceList(QWidget* parent, const QString& name,
                      const std::array<const char*, N>& choices) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (const char* choice : choices)
        list->addItem(QString::fromUtf8(choice));
    list->setCurrentIndex(-1);
    return list;
}

} // namespace

CRightView_01_19::CRightView_01_19(FormContext& context)
    : CUserSettingForm(context, QStringLiteral("CRightView_01_19"), fiscal::kRoundingStep, true) {
    auto* fields = new QFormLayout;
    m_rounding = choiceList(this, QStringLiteral("rounding"), fiscal::kRoundingChoices);
    m_ownManufacture = choiceList(this, QStringLiteral("ownManufacture"), fiscal::kYesNoChoices);
    fields->addRow(QStringLiteral("Arredonda / Trunca:"), m_rounding);
    fields->addRow(QString::fromUtf8("Fabricação Própria:"), m_ownManufacture);
    body()->addLayout(fields);
    finishLayout();
}

void CRightView_01_19::refreshControls() {
    const auto choice =
        showsReading() ? fiscal::roundingRead(record()) : fiscal::roundingSent(record());
    m_rounding->setCurrentIndex(choice.rounding);
    m_ownManufacture->setCurrentIndex(choice.ownManufacture);
}

bool CRightView_01_19::collectControls() {
    fiscal::putRounding(record(), {m_rounding->currentIndex(), m_ownManufacture->currentIndex()});
    return true;
}

} // namespace morvelan
