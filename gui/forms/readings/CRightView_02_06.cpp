#include "gui/forms/readings/CRightView_02_06.h"

#include "gui/forms/readings/ReadingFields.h"

#include <cstring>

namespace morvelan {

CRightView_02_06::CRightView_02_06(FormContext& context)
    : CReadingView(context, QStringLiteral("CRightView_02_06"), 6) {
    auto* fields = new QFormLayout;
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i] =
            addReadingField(fields, kFiscalDayLabels[i], QStringLiteral("fiscalDayField%1").arg(i));
    body()->addLayout(fields);
    finishLayout();
    refreshControls();
}

void CRightView_02_06::refreshControls() {
    const std::string_view data(record().data(), strnlen(record().data(), record().size()));
    // A day without a start date has nothing to show; the fields are emptied rather than left
    // with an earlier day's values.
    const auto shown = fiscalDayFields(data);
    showTexts(m_fields, shown.value_or(std::array<std::string, kFiscalDayFieldCount>{}));
}

} // namespace morvelan
