#include "gui/forms/readings/CRightView_04_04.h"

#include "core/features/readings/PrintedReadings.h"
#include "gui/forms/readings/RangeFields.h"

#include <QVBoxLayout>

namespace morvelan {

CRightView_04_04::CRightView_04_04(FormContext& context)
    : CPrintedReadingView(context, QStringLiteral("CRightView_04_04"), 4) {
    addRangeFrame(this, body(), static_cast<int>(kRangeLength), m_start, m_end);
    m_rangeType = addChoiceFrame(this, body(), "Tipo da Faixa", kDetailMemoryRanges,
                                 QStringLiteral("rangeType"));
    finishLayout();
}

void CRightView_04_04::refreshControls() {
    const ReadingRange values = detailMemoryReadingIn(record());
    m_start->setText(qtText(values.start));
    m_end->setText(qtText(values.end));
    m_rangeType->setCurrentIndex(values.rangeType < m_rangeType->count() ? values.rangeType : -1);
}

void CRightView_04_04::collectControls() {
    putDetailMemoryReading(record(), {m_start->text().toStdString(), m_end->text().toStdString(),
                                      -1, m_rangeType->currentIndex()});
}

} // namespace morvelan
