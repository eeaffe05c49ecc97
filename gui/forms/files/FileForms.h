// The forms of this module: open (10.1), new (10.2) and save as (10.3) of the command file.
#pragma once

#include "core/features/common/FormRegistry.h"

namespace morvelan {

void registerFileForms(FormRegistry& registry);

} // namespace morvelan
