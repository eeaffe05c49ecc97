#include "gui/forms/readings/CRightView_05_01.h"

#include "core/features/common/PrinterChoice.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvelan {

CRightView_05_01::CRightView_05_01(FormContext& context)
    : CFormView(context, QStringLiteral("CRightView_05_01")) {
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QString::fromUtf8(kCommunicationCheckText), this);
    text->setObjectName(QStringLiteral("checkText"));
    text->setWordWrap(true);
    layout->addWidget(text);
    m_send = new QPushButton(QStringLiteral("&Enviar"), this);
    m_send->setObjectName(QStringLiteral("sendButton"));
    layout->addWidget(m_send, 0, Qt::AlignLeft);
    layout->addStretch();
    connect(m_send, &QPushButton::clicked, this,
            [this] { services().runOperation(1, 1, {}, selectionValue(0)); });
}

} // namespace morvelan
