// "Com&parar arquivo de comandos..." of the "A&rquivo" menu.
#pragma once

class QWidget;

namespace morvelan {

class FormServices;

// Asks for a command file and shows, read-only, what restoring it would change on a printer that
// held the working command file's settings; or why either file cannot be compared.
void compareWithWorkingFile(FormServices& services, QWidget* parent);

} // namespace morvelan
