#include "StateText.h"

#include "IndentedJsonWriter.h"
#include "StateFields.h"

namespace korva {
namespace {

// Enough for a printer in use, so that the text is written into one allocation.
std::size_t expectedSize(const PrinterState& s) {
    const std::size_t entries =
        s.payments.size() + s.reports.size() + s.nonFiscal.size() + s.taxRates.size();
    return 4096 + s.key.publicKey.size() + 160 * (entries + s.events.size() + s.faults.size());
}

} // namespace

std::string stateText(const PrinterState& state) {
    IndentedJsonWriter writer(expectedSize(state));
    writeState(writer, state);
    std::string text = writer.take();
    text += '\n';
    return text;
}

} // namespace korva
