#include "gui/forms/readings/CPrintedReadingView.h"

#include "core/engine/Engine.h"
#include "core/features/readings/PrintedReadings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvelan {

CPrintedReadingView::CPrintedReadingView(FormContext& context, const QString& formClass, int step)
    : CFormView(context, formClass), m_step(step) {
    m_layout = new QVBoxLayout(this);
    m_body = new QVBoxLayout;
    m_layout->addLayout(m_body);
    m_send = new QPushButton(QStringLiteral("&Enviar"), this);
    m_send->setObjectName(QStringLiteral("sendButton"));
    connect(m_send, &QPushButton::clicked, this, &CPrintedReadingView::send);
}

void CPrintedReadingView::finishLayout() {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_send);
    buttons->addStretch();
    m_layout->addLayout(buttons);
    m_layout->addStretch();
    refreshControls();
}

void CPrintedReadingView::send() {
    collectControls();
    // Every printed reading is for all printers.
    services().runOperation(kPrintedReadingsGroup, m_step, record(), kAllPrinters);
}

CPlainReadingView::CPlainReadingView(FormContext& context, const QString& formClass, int step,
                                     const char* description)
    : CPrintedReadingView(context, formClass, step) {
    auto* text = new QLabel(QString::fromUtf8(description), this);
    text->setObjectName(QStringLiteral("description"));
    text->setWordWrap(true);
    body()->addWidget(text);
    finishLayout();
}

} // namespace morvelan
