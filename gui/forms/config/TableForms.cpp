// The table forms join the program: each serves its "Configuração" item with the last values
// sent and its "Leitura de informações" item read-only and empty.
#include "core/features/common/FormRegistry.h"
#include "gui/forms/config/CRightView_01_07.h"
#include "gui/forms/config/CRightView_01_08.h"
#include "gui/forms/config/CRightView_01_09.h"
#include "gui/forms/config/CRightView_01_10.h"

namespace morvelan {
namespace {

template <typename Form> void addTableForm(FormRegistry& registry, int table, const char* name) {
    const FormFactory create = [](FormContext& context) { return new Form(context); };
    const std::size_t size = tables::tableRequestSize(table);
    registry.add(6, table, {name, FormMode::Send, InitialData::LastValues, size, create});
    // "Leitura de informações" lists the same tables two items further on.
    registry.add(7, table + 2, {name, FormMode::Read, InitialData::Empty, size, create});
}

} // namespace

void registerTableForms(FormRegistry& registry) {
    addTableForm<CRightView_01_07>(registry, tables::kPaymentTable, "CRightView_01_07");
    addTableForm<CRightView_01_08>(registry, tables::kReportTable, "CRightView_01_08");
    addTableForm<CRightView_01_09>(registry, tables::kTaxRateTable, "CRightView_01_09");
    addTableForm<CRightView_01_10>(registry, tables::kNonFiscalTable, "CRightView_01_10");
}

} // namespace morvelan
