// The forms of the "Assinatura digital" group: key generation, enabling, public key reading.
#pragma once

#include "core/features/common/FormRegistry.h"

namespace morvelan {

void registerKeyForms(FormRegistry& registry);

} // namespace morvelan
