// The software update form joins the program.
#include "core/features/common/FormRegistry.h"
#include "gui/forms/update/CRightView_01_16.h"

namespace morvelan {

void registerUpdateForms(FormRegistry& registry) {
    registry.add(5, 1,
                 {"CRightView_01_16", FormMode::Plain, InitialData::None, 0,
                  [](FormContext& context) -> QWidget* { return new CRightView_01_16(context); }});
}

} // namespace morvelan
