// The printer tabs and the hidden printer list of a form. The list holds "Todas as impressoras"
// and one "Para (...)" entry per present printer, stays hidden and keeps its first entry, so a
// send addresses every printer; the tabs name the present printers and say whose values the
// form's fields show, in the modes the form's rule (TabsShown) gives them. Lives on the
// user-interface thread.
#pragma once

#include "core/features/common/FormRegistry.h"
#include "core/features/common/FormServices.h"
#include "core/features/common/PrinterChoice.h"

#include <QWidget>

#include <functional>
#include <vector>

class QComboBox;
class QTabBar;

namespace morvelan {

class PrinterSelector final : public QWidget {
public:
    // Detects the printer first when none is known yet (FormServices::ensurePrinterForForm), so
    // the form being built, which creates its selector before the rest, knows the printers it
    // shows and their generation. `tabs` is the form's rule for showing the printer tabs.
    PrinterSelector(FormServices& services, PrinterLabelStyle style, TabsShown tabs,
                    QWidget* parent = nullptr);

    // Rebuilds the list from the printers present now, hidden, first entry selected.
    void fillList();
    // Replaces the tabs by one per printer present now; `onTab` hears the slot of a changed tab.
    void fillTabs();
    void clearTabs();
    // The choice a form of `mode` offers: the hidden list, and the tabs where the form's rule
    // shows them in that mode (otherwise no tabs left from an earlier display). Forms call it
    // when they are built and again after a reading, which finds the printers when the building
    // did not.
    void prepareFor(FormMode mode);
    TabsShown tabsShown() const { return m_tabsShown; }

    // 99 for the first list entry, else the entry's printer.
    int selection() const;
    // The slot of the current tab; -1 without tabs.
    int currentSlot() const;
    void onTabChanged(std::function<void(int slot)> handler) { m_onTab = std::move(handler); }

    QTabBar* tabs() const { return m_tabs; }
    QComboBox* list() const { return m_list; }

private:
    void updateTabFocus();

    FormServices& m_services;
    PrinterLabelStyle m_style;
    TabsShown m_tabsShown;
    std::vector<int> m_tabSlots;
    std::function<void(int)> m_onTab;
    QTabBar* m_tabs = nullptr;
    QComboBox* m_list = nullptr;
};

} // namespace morvelan
