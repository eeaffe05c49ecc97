#include "gui/forms/files/FileForms.h"

#include "core/base/CommandFile.h"
#include "gui/forms/files/CRightView_08_01.h"
#include "gui/forms/files/CRightView_08_02.h"

namespace morvelan {

namespace {
template <typename Form> FormFactory make() {
    return [](FormContext& context) -> QWidget* { return new Form(context); };
}
} // namespace

void registerFileForms(FormRegistry& registry) {
    registry.add(10, 1,
                 {"CRightView_08_01", FormMode::Plain, InitialData::Empty, kFileRequestSize,
                  make<CRightView_08_01>()});
    registry.add(10, 2,
                 {"CRightView_08_02", FormMode::NewFile, InitialData::Empty, kFileRequestSize,
                  make<CRightView_08_02>()});
    // "Save as" starts from the working file's identification.
    registry.add(10, 3,
                 {"CRightView_08_02", FormMode::SaveAs, InitialData::LastValues, kFileRequestSize,
                  make<CRightView_08_02>()});
}

} // namespace morvelan
