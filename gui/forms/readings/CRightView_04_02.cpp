#include "gui/forms/readings/CRightView_04_02.h"

#include "core/features/readings/PrintedReadings.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace morvelan {

CRightView_04_02::CRightView_04_02(FormContext& context)
    : CPrintedReadingView(context, QStringLiteral("CRightView_04_02"), 2) {
    auto* adjustment = new QGroupBox(QStringLiteral("Ajuste +/- 5 minutos"), this);
    auto* clock = new QFormLayout(adjustment);
    m_date = new QLineEdit(adjustment);
    m_date->setObjectName(QStringLiteral("date"));
    m_date->setMaxLength(static_cast<int>(kDateLength));
    m_time = new QLineEdit(adjustment);
    m_time->setObjectName(QStringLiteral("time"));
    m_time->setMaxLength(static_cast<int>(kTimeLength));
    clock->addRow(QStringLiteral("Data (ddmmaaaa):"), m_date);
    clock->addRow(QStringLiteral("Hora (hhmmss):"), m_time);
    body()->addWidget(adjustment);

    auto* daylight = new QGroupBox(QString::fromUtf8("Entrada / Saída de Horário de Verão"), this);
    auto* action = new QFormLayout(daylight);
    m_action = new QComboBox(daylight);
    m_action->setObjectName(QStringLiteral("action"));
    for (const char* text : kDaylightActions)
        m_action->addItem(QString::fromUtf8(text));
    action->addRow(QString::fromUtf8("Ação:"), m_action);
    body()->addWidget(daylight);
    finishLayout();
}

void CRightView_04_02::refreshControls() {
    const ZReduction values = zReductionIn(record());
    m_date->setText(qtText(values.date));
    m_time->setText(qtText(values.time));
    // Whatever was sent last, the form offers to keep daylight saving as it is.
    m_action->setCurrentIndex(kKeepDaylightSaving);
}

void CRightView_04_02::collectControls() {
    putZReduction(record(), {m_date->text().toStdString(), m_time->text().toStdString(),
                             m_action->currentIndex()});
}

} // namespace morvelan
