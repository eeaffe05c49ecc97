// The forms of the printed fiscal readings: LX and the opening LX without data, RZ, LMF and MFD
// with the values last sent.
#pragma once

#include "core/features/common/FormRegistry.h"

namespace morvelan {

void registerPrintedReadingForms(FormRegistry& registry);

} // namespace morvelan
