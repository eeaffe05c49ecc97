// The setting forms join the program. A form that serves a "Configuração" item and a "Leitura de
// informações" item is registered under both codes: send mode there, read-only and empty here.
#include "core/features/common/FormRegistry.h"
#include "core/features/settings/SettingRecords.h"
#include "gui/forms/config/CRightView_01_01.h"
#include "gui/forms/config/CRightView_01_02.h"
#include "gui/forms/config/CRightView_01_03.h"
#include "gui/forms/config/CRightView_01_04.h"
#include "gui/forms/config/CRightView_01_05.h"
#include "gui/forms/config/CRightView_01_06.h"
#include "gui/forms/config/CRightView_01_11.h"
#include "gui/forms/config/CRightView_01_12.h"

namespace morvelan {

namespace {

template <typename Form> FormFactory make() {
    return [](FormContext& context) -> QWidget* { return new Form(context); };
}

template <typename Form>
void addSettingForm(FormRegistry& registry, const char* name, int item, InitialData sendData,
                    std::size_t size, int readingItem) {
    registry.add(6, item, {name, FormMode::Send, sendData, size, make<Form>()});
    if (readingItem != 0)
        registry.add(7, readingItem,
                     {name, FormMode::Read, InitialData::Empty, size, make<Form>()});
}

} // namespace

void registerSettingForms(FormRegistry& registry) {
    using namespace settings;
    registry.add(
        6, 1,
        {"CRightView_01_01", FormMode::Plain, InitialData::None, 0, make<CRightView_01_01>()});
    addSettingForm<CRightView_01_02>(registry, "CRightView_01_02", 2, InitialData::LastValues,
                                     kHeaderRecordSize, 4);
    addSettingForm<CRightView_01_03>(registry, "CRightView_01_03", 3, InitialData::LastValues,
                                     kCurrencyRecordSize, 5);
    addSettingForm<CRightView_01_04>(registry, "CRightView_01_04", 4, InitialData::LastValues,
                                     kSpeedRecordSize, 0);
    addSettingForm<CRightView_01_05>(registry, "CRightView_01_05", 5, InitialData::Empty,
                                     kClockRecordSize, 7);
    addSettingForm<CRightView_01_06>(registry, "CRightView_01_06", 6, InitialData::Empty,
                                     kDaylightRecordSize, 8);
    addSettingForm<CRightView_01_11>(registry, "CRightView_01_11", 11, InitialData::LastValues,
                                     kIssqnRecordSize, 14);
    registry.add(
        6, 12,
        {"CRightView_01_12", FormMode::Plain, InitialData::None, 0, make<CRightView_01_12>()});
}

} // namespace morvelan
