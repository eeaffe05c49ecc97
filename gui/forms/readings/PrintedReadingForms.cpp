#include "gui/forms/readings/PrintedReadingForms.h"

#include "core/features/readings/PrintedReadings.h"
#include "gui/forms/readings/CRightView_04_01.h"
#include "gui/forms/readings/CRightView_04_02.h"
#include "gui/forms/readings/CRightView_04_03.h"
#include "gui/forms/readings/CRightView_04_04.h"
#include "gui/forms/readings/CRightView_04_05.h"

namespace morvelan {
namespace {

template <typename Form> FormFactory make() {
    return [](FormContext& context) -> QWidget* { return new Form(context); };
}

} // namespace

void registerPrintedReadingForms(FormRegistry& registry) {
    const int group = kPrintedReadingsGroup;
    registry.add(
        group, 1,
        {"CRightView_04_01", FormMode::Plain, InitialData::None, 0, make<CRightView_04_01>()});
    registry.add(group, 2,
                 {"CRightView_04_02", FormMode::Plain, InitialData::LastValues,
                  kZReductionRecordSize, make<CRightView_04_02>()});
    registry.add(group, 3,
                 {"CRightView_04_03", FormMode::Plain, InitialData::LastValues,
                  kFiscalMemoryRecordSize, make<CRightView_04_03>()});
    registry.add(group, 4,
                 {"CRightView_04_04", FormMode::Plain, InitialData::LastValues,
                  kDetailMemoryRecordSize, make<CRightView_04_04>()});
    registry.add(
        group, 5,
        {"CRightView_04_05", FormMode::Plain, InitialData::None, 0, make<CRightView_04_05>()});
}

} // namespace morvelan
