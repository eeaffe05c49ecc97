#include "gui/forms/readings/CRightView_02_01.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace morvelan {

CRightView_02_01::CRightView_02_01(FormContext& context)
    : CFormView(context, QStringLiteral("CRightView_02_01")) {
    auto* layout = new QVBoxLayout(this);
    m_selector =
        new PrinterSelector(services(), PrinterLabelStyle::ModelPort, TabsShown::Always, this);
    m_selector->prepareFor(mode());
    layout->addWidget(m_selector);
    m_check = new QPushButton(QStringLiteral("&Verificar o Estado do ECF"), this);
    m_check->setObjectName(QStringLiteral("checkButton"));
    layout->addWidget(m_check, 0, Qt::AlignLeft);
    layout->addStretch();
    // The state is the status the engine reads after every run, shown by the response panel;
    // a reading would report it as a failure, since there is nothing else to read.
    connect(m_check, &QPushButton::clicked, this,
            [this] { services().runOperation(7, 1, {}, m_selector->selection()); });
}

} // namespace morvelan
