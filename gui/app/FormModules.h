// Fills the registry with the forms of every form module of the build. The body is generated
// from the modules that announced themselves (MORVELAN_FORM_MODULES, see FormRegistry.h).
#pragma once

#include "core/features/common/FormRegistry.h"

namespace morvelan {

void registerFormModules(FormRegistry& registry);

} // namespace morvelan
