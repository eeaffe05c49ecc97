#include "gui/forms/keys/CRightView_03_03.h"

#include "core/engine/Engine.h"
#include "core/features/common/PrinterChoice.h"
#include "core/features/keys/KeyOperations.h"
#include "core/features/keys/KeyRecordFile.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvelan {

CRightView_03_03::CRightView_03_03(FormContext& context)
    : CFormView(context, QStringLiteral("CRightView_03_03")) {
    auto* layout = new QVBoxLayout(this);
    for (const char* text : {kPublicKeyReadingText, kKeyFileCumulativeText}) {
        auto* label = new QLabel(qtText(text), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    m_path = new QLabel(this);
    m_path->setObjectName(QStringLiteral("pathText"));
    m_path->setWordWrap(true);
    m_path->setTextFormat(Qt::PlainText);
    m_path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_path);
    m_send = new QPushButton(QStringLiteral("&Enviar"), this);
    m_send->setObjectName(QStringLiteral("sendButton"));
    layout->addWidget(m_send, 0, Qt::AlignLeft);
    layout->addStretch();
    connect(m_send, &QPushButton::clicked, this,
            [this] { services().runOperation(3, 3, {}, selectionValue(0)); });
}

void CRightView_03_03::showEvent(QShowEvent* event) {
    const std::string path = keys::keyRecordPath(services().engine().programDirectory());
    m_path->setText(qtText("CAMINHO DO ARQUIVO = [ " + path + " ]"));
    CFormView::showEvent(event);
}

} // namespace morvelan
