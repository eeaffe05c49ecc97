#include "gui/forms/readings/CReadingView.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvelan {

namespace {
constexpr int kReadingsGroup = 7;
} // namespace

CReadingView::CReadingView(FormContext& context, const QString& formClass, int step)
    : CPrinterReadingForm(context, formClass), m_step(step) {
    m_layout = new QVBoxLayout(this);
    m_selector =
        new PrinterSelector(services(), PrinterLabelStyle::ModelPort, TabsShown::Always, this);
    m_selector->prepareFor(mode());
    m_selector->onTabChanged([this](int slot) { showPrinter(slot); });
    m_layout->addWidget(m_selector);
    m_body = new QVBoxLayout;
    m_layout->addLayout(m_body);
    m_read = new QPushButton(QStringLiteral("&Ler Configuração Atual da Impressora"), this);
    m_read->setObjectName(QStringLiteral("readButton"));
    connect(m_read, &QPushButton::clicked, this, [this] { readPrinter(); });
}

void CReadingView::finishLayout(std::initializer_list<QPushButton*> extra) {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_read);
    for (auto* button : extra)
        buttons->addWidget(button);
    buttons->addStretch();
    m_layout->addLayout(buttons);
    m_layout->addStretch();
    applyReadOnlyMode(this, {});
}

bool CReadingView::readPrinter() {
    FormRecord reading(record().size(), '\0');
    const bool read = services().readOperation(kReadingsGroup, m_step, reading, true);
    // The reading detects the printer when needed, so its tab may be new.
    m_selector->prepareFor(mode());
    if (!read)
        return false;
    keepReading(std::move(reading), m_selector->currentSlot() < 0 ? 0 : m_selector->currentSlot());
    return true;
}

} // namespace morvelan
