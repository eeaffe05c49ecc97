#include "gui/forms/config/CRightView_01_05.h"

#include "core/base/TextTrim.h"
#include "core/features/settings/ClockSetting.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvelan {

CRightView_01_05::CRightView_01_05(FormContext& context)
    : CSettingForm(context, QStringLiteral("CRightView_01_05"), 5, {}) {
    auto* fields = addFieldRows();
    m_date = new QLineEdit(this);
    m_date->setObjectName(QStringLiteral("dateEdit"));
    m_date->setMaxLength(8);
    fields->addRow(QStringLiteral("Data Atual (DDMMAAAA):"), m_date);
    m_time = new QLineEdit(this);
    m_time->setObjectName(QStringLiteral("timeEdit"));
    m_time->setMaxLength(6);
    fields->addRow(QStringLiteral("Hora Atual (hhmmss):"), m_time);
    m_computerClock = new QPushButton(QStringLiteral("Usar &hora deste computador"), this);
    m_computerClock->setObjectName(QStringLiteral("computerClockButton"));
    connect(m_computerClock, &QPushButton::clicked, this, &CRightView_01_05::useComputerClock);
    auto* clockRow = new QHBoxLayout;
    clockRow->addWidget(m_computerClock);
    clockRow->addStretch();
    body()->addLayout(clockRow);
    m_difference = new QLabel(this);
    m_difference->setObjectName(QStringLiteral("clockDifference"));
    body()->addWidget(m_difference);
    finishLayout();
    // Filling the fields is a way of changing the printer: not offered where it only reads.
    if (mode() == FormMode::Read)
        m_computerClock->hide();
    refreshControls();
}

void CRightView_01_05::refreshControls() {
    const auto values = settings::clockValues(record());
    m_date->setText(qtText(trimmed(values.date, kBlanksAndLineEnds)));
    m_time->setText(qtText(trimmed(values.time, kBlanksAndLineEnds)));
}

bool CRightView_01_05::readingStarts() {
    // The PC's clock is taken as the printer is read, not once the technician has dismissed the
    // reading's message; a first detection, which can take seconds, comes before it.
    if (!services().printer(0).present &&
        (!services().ensurePrinter() || !services().printer(0).present))
        return false;
    m_readingTime = services().currentTime();
    return true;
}

void CRightView_01_05::readingShown() {
    const auto printerClock = settings::parsePrinterClock(settings::clockValues(record()));
    m_difference->setText(printerClock
                              ? qtText(settings::clockDifferenceText(
                                    *printerClock, settings::localCivilTime(m_readingTime)))
                              : QString());
}

void CRightView_01_05::useComputerClock() {
    const auto now = settings::printerClockText(settings::localCivilTime(services().currentTime()));
    m_date->setText(qtText(now.date));
    m_time->setText(qtText(now.time));
}

void CRightView_01_05::send() {
    const settings::ClockValues values{m_date->text().toStdString(), m_time->text().toStdString()};
    auto& prompts = services().prompts();
    if (values.date.empty() || values.time.empty()) {
        prompts.message(kAlertTitle, settings::kBlankClockMessage, PromptIcon::Information);
        return;
    }
    FormRecord clock = settings::clockRecord(values);
    if (!prompts.askOkCancel(kAlertTitle, settings::clockConfirmation(settings::clockValues(clock)),
                             PromptIcon::Information))
        return;
    record() = std::move(clock);
    services().runOperation(6, step(), record(), selection());
}

} // namespace morvelan
