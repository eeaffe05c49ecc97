#include "gui/forms/generator/GeneratorForms.h"

#include "gui/forms/generator/CScriptDlg.h"

#include <QApplication>

namespace morvelan {

void registerGeneratorForms(FormRegistry& registry) {
    registry.add(
        9, 1,
        {"CScriptDlg", FormMode::Plain, InitialData::None, 0, [](FormContext& context) -> QWidget* {
             CScriptDlg dialog(context.services, QApplication::activeWindow());
             dialog.exec();
             return nullptr;
         }});
}

} // namespace morvelan
