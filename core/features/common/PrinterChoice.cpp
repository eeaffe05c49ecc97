#include "core/features/common/PrinterChoice.h"

namespace morvelan {

namespace {
constexpr int kEveryPrinter = 99;
} // namespace

bool showsTabs(TabsShown rule, FormMode mode) {
    switch (rule) {
    case TabsShown::InReadMode:
        return mode == FormMode::Read;
    case TabsShown::Always:
        return true;
    case TabsShown::Never:
        break;
    }
    return false;
}

std::string printerLabel(const PrinterIdentity& printer, PrinterLabelStyle style) {
    if (style == PrinterLabelStyle::PortModel)
        return printer.portName + " :: " + printer.modelName;
    // The model field is blank-padded; in the middle of a label the padding would show.
    const auto end = printer.modelName.find_last_not_of(' ');
    const std::string model = end == std::string::npos ? "" : printer.modelName.substr(0, end + 1);
    return model + " :: " + printer.portName;
}

std::vector<PrinterEntry> presentPrinters(const FormServices& services, PrinterLabelStyle style) {
    std::vector<PrinterEntry> printers;
    for (int slot = 0; slot < services.printerSlotCount(); ++slot) {
        const auto printer = services.printer(slot);
        if (printer.present)
            printers.push_back({slot, printerLabel(printer, style)});
    }
    return printers;
}

std::vector<std::string> printerListEntries(const std::vector<PrinterEntry>& printers) {
    std::vector<std::string> entries{kAllPrintersEntry};
    for (const auto& printer : printers)
        entries.push_back("Para (" + printer.label + ")");
    return entries;
}

int selectionValue(int index) {
    return index <= 0 ? kEveryPrinter : index - 1;
}

} // namespace morvelan
