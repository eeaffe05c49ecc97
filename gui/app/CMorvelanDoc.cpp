#include "gui/app/CMorvelanDoc.h"

namespace morvelan {

CMorvelanDoc::CMorvelanDoc() : m_names(functionGroups()) {}

} // namespace morvelan
