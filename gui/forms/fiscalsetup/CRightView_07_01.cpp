#include "gui/forms/fiscalsetup/CRightView_07_01.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvelan {

namespace {
constexpr int kStartCommand = 0;
} // namespace

CRightView_07_01::CRightView_07_01(FormContext& context)
    : CFormView(context, QStringLiteral("CRightView_07_01")) {
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox(QString::fromUtf8(kSealingTitle), this);
    frame->setObjectName(QStringLiteral("sealingSteps"));
    auto* steps = new QVBoxLayout(frame);
    int position = 0;
    for (const char* name : kSealingStepNames) {
        auto* line = new QLabel(
            QStringLiteral("%1. %2").arg(++position).arg(QString::fromUtf8(name)), frame);
        line->setObjectName(QStringLiteral("step%1").arg(position));
        steps->addWidget(line);
    }
    layout->addWidget(frame);
    auto* start = new QPushButton(QString::fromUtf8("&Iniciar Seqüência"), this);
    start->setObjectName(QStringLiteral("startButton"));
    connect(start, &QPushButton::clicked, this, &CRightView_07_01::startSequence);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();
}

void CRightView_07_01::startSequence() {
    services().setFunctionTreeEnabled(false);
    services().advanceSealing(kStartCommand);
}

} // namespace morvelan
