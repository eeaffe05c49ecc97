// The fiscal set-up forms join the program: the taxpayer form in its three uses, and the start
// of the sealing sequence.
#include "core/features/common/FormRegistry.h"
#include "gui/forms/fiscalsetup/CRightView_01_13.h"
#include "gui/forms/fiscalsetup/CRightView_07_01.h"

namespace morvelan {

namespace {
template <typename Form> FormFactory make() {
    return [](FormContext& context) -> QWidget* { return new Form(context); };
}
} // namespace

void registerFiscalSetupForms(FormRegistry& registry) {
    const std::size_t size = fiscal::kTaxpayerRecordSize;
    registry.add(6, 13,
                 {"CRightView_01_13", FormMode::Send, InitialData::LastValues, size,
                  make<CRightView_01_13>()});
    registry.add(
        7, 3,
        {"CRightView_01_13", FormMode::Read, InitialData::Empty, size, make<CRightView_01_13>()});
    registry.add(
        2, 1,
        {"CRightView_07_01", FormMode::Plain, InitialData::None, 0, make<CRightView_07_01>()});
}

} // namespace morvelan
