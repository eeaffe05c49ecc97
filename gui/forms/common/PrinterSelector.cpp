#include "gui/forms/common/PrinterSelector.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

namespace morvelan {

PrinterSelector::PrinterSelector(FormServices& services, PrinterLabelStyle style, TabsShown tabs,
                                 QWidget* parent)
    : QWidget(parent), m_services(services), m_style(style), m_tabsShown(tabs) {
    setObjectName(QStringLiteral("printerSelector"));
    // False only while the program closes; the form is built all the same and goes with it.
    m_services.ensurePrinterForForm();
    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("printerTabs"));
    m_tabs->setExpanding(false);
    updateTabFocus();
    m_list = new QComboBox(this);
    m_list->setObjectName(QStringLiteral("printerList"));
    m_list->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
    layout->addWidget(m_list);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int tab) {
        if (m_onTab && tab >= 0 && static_cast<std::size_t>(tab) < m_tabSlots.size())
            m_onTab(m_tabSlots[static_cast<std::size_t>(tab)]);
    });
}

void PrinterSelector::fillList() {
    m_list->clear();
    for (const auto& entry : printerListEntries(presentPrinters(m_services, m_style)))
        m_list->addItem(QString::fromStdString(entry));
    m_list->setCurrentIndex(0);
    m_list->hide();
}

void PrinterSelector::fillTabs() {
    const QSignalBlocker quiet(m_tabs);
    clearTabs();
    for (const auto& printer : presentPrinters(m_services, m_style)) {
        m_tabs->addTab(QString::fromStdString(printer.label));
        m_tabSlots.push_back(printer.slot);
    }
    updateTabFocus();
}

void PrinterSelector::clearTabs() {
    while (m_tabs->count() > 0)
        m_tabs->removeTab(0);
    m_tabSlots.clear();
    updateTabFocus();
}

void PrinterSelector::updateTabFocus() {
    // Tab should not stop on a strip with nothing to choose between.
    m_tabs->setFocusPolicy(m_tabs->count() > 1 ? Qt::TabFocus : Qt::NoFocus);
}

void PrinterSelector::prepareFor(FormMode mode) {
    if (showsTabs(m_tabsShown, mode))
        fillTabs();
    else
        clearTabs();
    fillList();
}

int PrinterSelector::selection() const {
    return selectionValue(m_list->currentIndex());
}

int PrinterSelector::currentSlot() const {
    const int tab = m_tabs->currentIndex();
    return tab >= 0 && static_cast<std::size_t>(tab) < m_tabSlots.size()
               ? m_tabSlots[static_cast<std::size_t>(tab)]
               : -1;
}

} // namespace morvelan
