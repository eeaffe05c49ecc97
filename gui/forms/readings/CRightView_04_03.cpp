#include "gui/forms/readings/CRightView_04_03.h"

#include "core/features/readings/PrintedReadings.h"
#include "gui/forms/readings/RangeFields.h"

#include <QVBoxLayout>

namespace morvelan {

CRightView_04_03::CRightView_04_03(FormContext& context)
    : CPrintedReadingView(context, QStringLiteral("CRightView_04_03"), 3) {
    addRangeFrame(this, body(), static_cast<int>(kRangeLength), m_start, m_end);
    m_printType =
        addChoiceFrame(this, body(), "Tipo de impressão", kPrintTypes, QStringLiteral("printType"));
    m_rangeType = addChoiceFrame(this, body(), "Tipo da Faixa", kFiscalMemoryRanges,
                                 QStringLiteral("rangeType"));
    finishLayout();
}

void CRightView_04_03::refreshControls() {
    const ReadingRange values = fiscalMemoryReadingIn(record());
    m_start->setText(qtText(values.start));
    m_end->setText(qtText(values.end));
    m_printType->setCurrentIndex(values.printType < m_printType->count() ? values.printType : -1);
    m_rangeType->setCurrentIndex(values.rangeType < m_rangeType->count() ? values.rangeType : -1);
}

void CRightView_04_03::collectControls() {
    putFiscalMemoryReading(record(), {m_start->text().toStdString(), m_end->text().toStdString(),
                                      m_printType->currentIndex(), m_rangeType->currentIndex()});
}

} // namespace morvelan
