#include "gui/forms/keys/KeyForms.h"

#include "gui/forms/keys/CRightView_03_01.h"
#include "gui/forms/keys/CRightView_03_02.h"
#include "gui/forms/keys/CRightView_03_03.h"

namespace morvelan {
namespace {

template <typename Form> FormFactory make() {
    return [](FormContext& context) -> QWidget* { return new Form(context); };
}

} // namespace

void registerKeyForms(FormRegistry& registry) {
    registry.add(
        3, 1,
        {"CRightView_03_01", FormMode::Plain, InitialData::None, 0, make<CRightView_03_01>()});
    registry.add(
        3, 2,
        {"CRightView_03_02", FormMode::Plain, InitialData::None, 0, make<CRightView_03_02>()});
    registry.add(
        3, 3,
        {"CRightView_03_03", FormMode::Plain, InitialData::None, 0, make<CRightView_03_03>()});
}

} // namespace morvelan
