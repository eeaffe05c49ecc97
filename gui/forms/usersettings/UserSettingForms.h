// The user and number settings forms join the program: each serves its "Configuração" item with
// the last values sent and, where there is one, its "Leitura de informações" item read-only and
// empty.
#pragma once

#include "core/features/common/FormRegistry.h"

namespace morvelan {

void registerUserSettingForms(FormRegistry& registry);

} // namespace morvelan
