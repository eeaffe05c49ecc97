#include "gui/forms/generator/GeneratorForms.h"

#include "gui/forms/generator/CScriptDlg.h"

#include <QWidget>

namespace morvelan {

void registerGeneratorForms(FormRegistry& registry) {
    registry.add(
        9, 1,
        {"CScriptDlg", FormMode::Plain, InitialData::None, 0, [](FormContext& context) -> QWidget* {
             // The frame serves its forms itself, so the services are the window the dialog
             // belongs to; stand-in services in a test are no window and the dialog stands alone.
             CScriptDlg dialog(context.services, dynamic_cast<QWidget*>(&context.services));
             dialog.exec();
             return nullptr;
         }});
}

} // namespace morvelan
