#include "gui/forms/keys/CRightView_03_02.h"

#include "core/features/common/PrinterChoice.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace morvelan {

CRightView_03_02::CRightView_03_02(FormContext& context)
    : CFormView(context, QStringLiteral("CRightView_03_02")) {
    auto* layout = new QVBoxLayout(this);
    m_send = new QPushButton(QStringLiteral("&Enviar"), this);
    m_send->setObjectName(QStringLiteral("sendButton"));
    layout->addWidget(m_send, 0, Qt::AlignLeft);
    layout->addStretch();
    connect(m_send, &QPushButton::clicked, this,
            [this] { services().runOperation(3, 2, {}, selectionValue(0)); });
}

} // namespace morvelan
