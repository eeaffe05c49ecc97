#include "gui/forms/keys/CRightView_03_01.h"

#include "core/engine/Engine.h"
#include "core/features/common/PrinterChoice.h"
#include "core/features/keys/KeyHistory.h"
#include "core/features/keys/KeyOperations.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace morvelan {

CRightView_03_01::CRightView_03_01(FormContext& context)
    : CFormView(context, QStringLiteral("CRightView_03_01")) {
    auto* layout = new QVBoxLayout(this);
    auto* warning = new QGroupBox(qtText(kKeyWarningTitle), this);
    warning->setObjectName(QStringLiteral("warningFrame"));
    auto* inner = new QVBoxLayout(warning);
    auto* question = new QLabel(qtText(kKeyContinueQuestion), warning);
    question->setObjectName(QStringLiteral("questionText"));
    inner->addWidget(question);
    m_missing = new QLabel(qtText(kMissingSystemFilesText), warning);
    m_missing->setObjectName(QStringLiteral("missingFilesText"));
    m_missing->setWordWrap(true);
    m_missing->hide();
    inner->addWidget(m_missing);
    m_send = new QPushButton(QStringLiteral("&Enviar"), warning);
    m_send->setObjectName(QStringLiteral("sendButton"));
    inner->addWidget(m_send, 0, Qt::AlignLeft);
    layout->addWidget(warning);
    layout->addStretch();
    connect(m_send, &QPushButton::clicked, this, &CRightView_03_01::send);
}

void CRightView_03_01::showEvent(QShowEvent* event) {
    const bool found =
        keys::historyFileReadable(keys::keyHistoryPath(services().engine().programDirectory()));
    m_missing->setVisible(!found);
    m_send->setVisible(found);
    CFormView::showEvent(event);
}

void CRightView_03_01::send() {
    if (!services().prompts().askYesNo(kAlertTitle, kKeyGenerationQuestion, PromptIcon::Question)) {
        return;
    }
    if (!services().ensurePrinter() ||
        presentPrinters(services(), PrinterLabelStyle::ModelPort).empty()) {
        return;
    }
    std::vector<char> request(keys::kKeyRequestSize, '\0');
    services().runOperation(3, 1, request, selectionValue(0));
}

} // namespace morvelan
