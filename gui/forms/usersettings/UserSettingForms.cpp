#include "gui/forms/usersettings/UserSettingForms.h"

#include "core/features/usersettings/UserSettings.h"
#include "gui/forms/usersettings/CRightView_01_14.h"
#include "gui/forms/usersettings/CRightView_01_17.h"
#include "gui/forms/usersettings/CRightView_01_18.h"
#include "gui/forms/usersettings/CRightView_01_19.h"

namespace morvelan {
namespace {

template <typename Form>
void addSettingForm(FormRegistry& registry, const char* name, int step, std::size_t size,
                    int readItem) {
    const FormFactory create = [](FormContext& context) { return new Form(context); };
    registry.add(6, step, {name, FormMode::Send, InitialData::LastValues, size, create});
    if (readItem > 0)
        registry.add(7, readItem, {name, FormMode::Read, InitialData::Empty, size, create});
}

constexpr int kNoReadItem = 0;

} // namespace

void registerUserSettingForms(FormRegistry& registry) {
    using namespace fiscal;
    addSettingForm<CRightView_01_14>(registry, "CRightView_01_14", kOperatorStep,
                                     kOperatorRecordSize, 13);
    addSettingForm<CRightView_01_17>(registry, "CRightView_01_17", kMunicipalStep,
                                     kMunicipalRecordSize, kNoReadItem);
    addSettingForm<CRightView_01_18>(registry, "CRightView_01_18", kDecimalsStep,
                                     kDecimalsRecordSize, 17);
    addSettingForm<CRightView_01_19>(registry, "CRightView_01_19", kRoundingStep,
                                     kRoundingRecordSize, 18);
}

} // namespace morvelan
