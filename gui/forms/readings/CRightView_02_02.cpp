#include "gui/forms/readings/CRightView_02_02.h"

#include "core/features/common/FormRecord.h"
#include "gui/forms/readings/ReadingFields.h"

#include <cstring>

namespace morvelan {

CRightView_02_02::CRightView_02_02(FormContext& context)
    : CReadingView(context, QStringLiteral("CRightView_02_02"), 2) {
    auto* fields = new QFormLayout;
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i] = addReadingField(fields, kSerializationLabels[i],
                                      QStringLiteral("serializationField%1").arg(i));
    body()->addLayout(fields);
    finishLayout();
    refreshControls();
}

void CRightView_02_02::refreshControls() {
    // The record keeps the printer's characters; the fields are cut from them as they are.
    std::string data(record().begin(), record().end());
    data.resize(strnlen(data.c_str(), data.size()));
    showTexts(m_fields, serializationFields(data));
}

} // namespace morvelan
