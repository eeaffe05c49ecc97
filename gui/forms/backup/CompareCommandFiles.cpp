#include "gui/forms/backup/CompareCommandFiles.h"

#include "core/base/CommandFileActions.h"
#include "core/engine/Engine.h"
#include "core/features/backup/CommandFileDiff.h"
#include "core/features/common/FormServices.h"
#include "gui/dialogs/RespDlg.h"
#include "gui/forms/common/FormChrome.h"

namespace morvelan {

void compareWithWorkingFile(FormServices& services, QWidget* parent) {
    Prompts& prompts = services.prompts();
    const auto chosen = prompts.openFile(kCommandFileFilter, kCommandFileExtension);
    if (!chosen || chosen->empty()) {
        return;
    }
    const auto compared =
        backup::compareCommandFiles(services.engine().commandFile().workingPath(), *chosen);
    if (const auto* fault = std::get_if<std::string>(&compared)) {
        prompts.message(kErrorTitle, *fault, PromptIcon::Error);
        return;
    }
    RespDlg dialog(qtText(std::get<backup::FileComparison>(compared).text), parent);
    dialog.exec();
}

} // namespace morvelan
