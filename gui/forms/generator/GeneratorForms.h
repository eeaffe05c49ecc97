// The script generator module: item 9.1 opens CScriptDlg modally and leaves the empty form.
#pragma once

#include "core/features/common/FormRegistry.h"

namespace morvelan {

void registerGeneratorForms(FormRegistry& registry);

} // namespace morvelan
