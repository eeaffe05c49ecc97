// What "Enviar" of the software update form does for each detected printer: read it, decide,
// check the update file whole, confirm, check the technical mode, transfer and report. Free of
// widgets; the form hands in the waiting dialog, the pause and the directory of the files.
#pragma once

#include "core/features/update/UpdateTransfer.h"

#include "core/features/common/FormServices.h"

#include <functional>
#include <string>

namespace morvelan::update {

struct UpdateHooks {
    std::string directory; // where V004.IBF and V005.IBF are read from
    Pause pause;           // the wait after each part
    // Returns once the done flag of the record is set (the update progress dialog).
    std::function<void(const UpdateProgress&)> wait;
};

inline constexpr const char* kNotInMitText = "Não é possível realizar o envio deste comando!";

// "Iniciar Impressão ( QP-L30 :: COM1 ):"
std::string printerLine(const PrinterIdentity& printer);

// Runs the update for every present printer `selection` addresses; `progress` is the record of
// each slot (kSlotCount of them) that the waiting dialog reads.
void sendUpdate(FormServices& services, int selection, const UpdateHooks& hooks,
                UpdateProgress* progress);

} // namespace morvelan::update
