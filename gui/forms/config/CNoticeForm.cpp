#include "gui/forms/config/CNoticeForm.h"

#include "core/engine/Engine.h"

#include <QLabel>
#include <QVBoxLayout>

namespace morvelan {

namespace {
constexpr int kConfigurationGroup = 6;
} // namespace

CNoticeForm::CNoticeForm(FormContext& context, const QString& formClass, int step,
                         std::initializer_list<const char*> texts)
    : CSettingForm(context, formClass, step,
                   {QStringLiteral("&Enviar"), /*readsPrinter=*/false, /*choosesPrinter=*/false}) {
    int n = 0;
    for (const char* text : texts) {
        auto* label = new QLabel(QString::fromUtf8(text), this);
        label->setObjectName(QStringLiteral("notice%1").arg(++n));
        label->setWordWrap(true);
        body()->addWidget(label);
    }
    finishLayout();
}

void CNoticeForm::send() {
    services().runOperation(kConfigurationGroup, step(), {}, kAllPrinters);
}

} // namespace morvelan
