#include "gui/forms/readings/CRightView_02_15.h"

#include "gui/forms/readings/ReadingFields.h"

#include <QGroupBox>
#include <QLabel>

#include <cstring>

namespace morvelan {

CRightView_02_15::CRightView_02_15(FormContext& context)
    : CReadingView(context, QStringLiteral("CRightView_02_15"), 15) {
    auto* jumpers = new QGroupBox(QStringLiteral("Jumpers:"), this);
    auto* fields = new QFormLayout(jumpers);
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i] = addReadingField(fields, kMicroswitchLabels[i],
                                      QStringLiteral("microswitchField%1").arg(i));
    body()->addWidget(jumpers);
    auto* note = new QLabel(
        QStringLiteral(
            "Observação: as chaves SW5 a SW8 existem somente em uma família de módulos."),
        this);
    note->setObjectName(QStringLiteral("microswitchNote"));
    note->setWordWrap(true);
    body()->addWidget(note);
    finishLayout();
    refreshControls();
}

void CRightView_02_15::refreshControls() {
    // Nothing read yet shows empty fields, not eight "OFF" the printer never said.
    std::uint16_t value = 0;
    if (record().size() >= sizeof value)
        std::memcpy(&value, record().data(), sizeof value);
    showTexts(m_fields, showsReading() ? microswitchTexts(value)
                                       : std::array<std::string, kMicroswitchCount>{});
}

} // namespace morvelan
