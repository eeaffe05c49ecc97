// The printer selection every form offers: a hidden list whose first entry means every printer,
// and, where the form shows them, one tab per present printer. With one printer slot the list
// always answers 99 and there is at most one tab, but the forms keep the shape so that each
// addresses printers the same way.
#pragma once

#include "core/features/common/FormRegistry.h"
#include "core/features/common/FormServices.h"

#include <string>
#include <vector>

namespace morvelan {

inline constexpr const char* kAllPrintersEntry = "Todas as impressoras";

// How a printer is named on tabs and list entries. The table forms name the port first; the
// fiscal and reading forms name the model first, then the serial port it answered on.
enum class PrinterLabelStyle { PortModel, ModelPort };

// When a form shows one tab per present printer. The forms differ: the table forms and the
// settings built like them name the printer on a tab only while they read; the taxpayer form, the
// operator and number settings and the information readings are one page per printer whether
// they send or read; the forms that always address every printer name none.
enum class TabsShown { InReadMode, Always, Never };

// Whether a form following `rule` shows the tabs when opened in `mode`.
bool showsTabs(TabsShown rule, FormMode mode);

// "COM3 :: QP-L30" or "QP-L30 :: COM3" (the model without its trailing blanks).
std::string printerLabel(const PrinterIdentity& printer, PrinterLabelStyle style);

// A present printer: its slot and its label.
struct PrinterEntry {
    int slot = 0;
    std::string label;
};

// The present printers of `services`, in slot order.
std::vector<PrinterEntry> presentPrinters(const FormServices& services, PrinterLabelStyle style);

// The hidden list: "Todas as impressoras", then "Para (<label>)" per present printer.
std::vector<std::string> printerListEntries(const std::vector<PrinterEntry>& printers);

// The selection value of list entry `index`: 99 for the first entry (or none), else index - 1.
int selectionValue(int index);

} // namespace morvelan
