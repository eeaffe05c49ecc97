// The two menu items of a printer's backup in the "A&rquivo" menu.
#pragma once

class QAction;
class QMenu;

namespace morvelan {

class FormServices;

// Enables `generate` ("&Gerar Arquivo do ECF") and puts "&Restaurar configuração no ECF..." right
// after it in `menu`; both work on the printer `services` reach.
void connectBackupMenu(QMenu* menu, QAction* generate, FormServices& services);

} // namespace morvelan
