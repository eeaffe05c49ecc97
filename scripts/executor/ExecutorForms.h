// The forms of the script executor module.
#pragma once

#include "FormRegistry.h"

namespace morvelan {

void registerExecutorForms(FormRegistry& registry);

} // namespace morvelan
