// The forms of the script executor module.
#pragma once

#include "core/features/common/FormRegistry.h"

namespace morvelan {

void registerExecutorForms(FormRegistry& registry);

} // namespace morvelan
