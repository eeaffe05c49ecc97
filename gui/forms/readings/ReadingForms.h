// The forms of this module: the communication check and the five information readings.
#pragma once

#include "core/features/common/FormRegistry.h"

namespace morvelan {

void registerReadingForms(FormRegistry& registry);

} // namespace morvelan
