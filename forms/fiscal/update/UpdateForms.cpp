// The software update form joins the program.
#include "CRightView_01_16.h"
#include "FormRegistry.h"

namespace morvelan {

void registerUpdateForms(FormRegistry& registry) {
    registry.add(5, 1,
                 {"CRightView_01_16", FormMode::Plain, InitialData::None, 0,
                  [](FormContext& context) -> QWidget* { return new CRightView_01_16(context); }});
}

} // namespace morvelan
