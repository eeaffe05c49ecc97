#include "gui/forms/readings/ReadingForms.h"

#include "core/features/readings/EventLog.h"
#include "core/features/readings/ReadingTexts.h"
#include "gui/forms/readings/CRightView_02_01.h"
#include "gui/forms/readings/CRightView_02_02.h"
#include "gui/forms/readings/CRightView_02_06.h"
#include "gui/forms/readings/CRightView_02_15.h"
#include "gui/forms/readings/CRightView_02_16.h"
#include "gui/forms/readings/CRightView_05_01.h"

namespace morvelan {

namespace {
template <typename Form> FormFactory make() {
    return [](FormContext& context) -> QWidget* { return new Form(context); };
}
} // namespace

void registerReadingForms(FormRegistry& registry) {
    registry.add(
        1, 1,
        {"CRightView_05_01", FormMode::Plain, InitialData::None, 0, make<CRightView_05_01>()});
    registry.add(
        7, 1,
        {"CRightView_02_01", FormMode::Plain, InitialData::None, 0, make<CRightView_02_01>()});
    registry.add(7, 2,
                 {"CRightView_02_02", FormMode::Plain, InitialData::Empty, kPrinterDataRecordSize,
                  make<CRightView_02_02>()});
    registry.add(7, 6,
                 {"CRightView_02_06", FormMode::Plain, InitialData::Empty, kFiscalDayRecordSize,
                  make<CRightView_02_06>()});
    registry.add(7, 15,
                 {"CRightView_02_15", FormMode::Plain, InitialData::Empty, kMicroswitchRecordSize,
                  make<CRightView_02_15>()});
    registry.add(7, 16,
                 {"CRightView_02_16", FormMode::Plain, InitialData::Empty, kEventLogRequestSize,
                  make<CRightView_02_16>()});
}

} // namespace morvelan
