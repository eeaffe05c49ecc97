// "Iniciar Habilitar Impressora" (5.1): brings the printer's basic software to the version of the
// update files in the current directory, waiting in the update progress dialog.
#pragma once

#include "core/engine/Engine.h"
#include "core/features/update/UpdateSession.h"
#include "gui/forms/common/FormChrome.h"

#include <array>

class QLabel;
class QVBoxLayout;

namespace morvelan {

class PrinterSelector;

class CRightView_01_16 final : public CFormView {
public:
    explicit CRightView_01_16(FormContext& context);
    void refreshControls() override;

    // Where the files are read from, how a part's pause is waited and how the transfer is
    // waited for; tests replace them.
    void setHooks(update::UpdateHooks hooks);
    const update::UpdateHooks& hooks() const { return m_hooks; }

private:
    void send();

    update::UpdateHooks m_hooks;
    std::array<UpdateProgress, kSlotCount> m_progress;
    PrinterSelector* m_selector = nullptr;
    QVBoxLayout* m_printerLines = nullptr;
    QLabel* m_directory = nullptr;
};

} // namespace morvelan
