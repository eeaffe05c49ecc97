#include "gui/forms/executor/ExecutorForms.h"

#include "gui/forms/executor/CRightView_06_02.h"

namespace morvelan {

void registerExecutorForms(FormRegistry& registry) {
    registry.add(9, 2,
                 {"CRightView_06_02", FormMode::Plain, InitialData::None, 0,
                  [](FormContext& context) -> QWidget* { return new CRightView_06_02(context); }});
}

} // namespace morvelan
