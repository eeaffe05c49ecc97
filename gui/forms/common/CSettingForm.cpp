#include "gui/forms/common/CSettingForm.h"

#include "core/engine/Engine.h"
#include "gui/forms/common/PrinterSelector.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvelan {

namespace {
constexpr int kConfigurationGroup = 6;
} // namespace

CSettingForm::CSettingForm(FormContext& context, const QString& formClass, int step,
                           Controls controls)
    : CPrinterReadingForm(context, formClass), m_step(step) {
    m_layout = new QVBoxLayout(this);
    if (controls.choosesPrinter) {
        m_selector = new PrinterSelector(services(), controls.labels, controls.tabs, this);
        m_selector->onTabChanged([this](int slot) { showPrinter(slot); });
        m_layout->addWidget(m_selector);
    }
    m_body = new QVBoxLayout;
    m_layout->addLayout(m_body);
    m_send = new QPushButton(controls.sendCaption, this);
    m_send->setObjectName(QStringLiteral("sendButton"));
    connect(m_send, &QPushButton::clicked, this, [this] { send(); });
    if (controls.readsPrinter) {
        m_read = new QPushButton(QString::fromUtf8("&Ler Configuração"), this);
        m_read->setObjectName(QStringLiteral("readButton"));
        connect(m_read, &QPushButton::clicked, this, [this] { readPrinter(); });
    }
}

void CSettingForm::finishLayout(std::initializer_list<QPushButton*> extraButtons,
                                std::initializer_list<QWidget*> readModeHidden) {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_send);
    if (m_read != nullptr)
        buttons->addWidget(m_read);
    for (auto* button : extraButtons)
        buttons->addWidget(button);
    buttons->addStretch();
    m_layout->addLayout(buttons);
    QPushButton* abandon = m_selector != nullptr ? addAbandonButton(m_layout) : nullptr;
    m_layout->addStretch();
    if (m_selector != nullptr)
        m_selector->prepareFor(mode());
    if (mode() != FormMode::Read)
        return;
    applyReadOnlyMode(this,
                      {m_send, m_selector != nullptr ? m_selector->list() : nullptr, abandon});
    for (auto* widget : readModeHidden)
        widget->hide();
}

QFormLayout* CSettingForm::addFieldRows() {
    auto* rows = new QFormLayout;
    rows->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    m_body->addLayout(rows);
    return rows;
}

int CSettingForm::selection() const {
    if (m_selector == nullptr)
        return kAllPrinters;
    m_selector->fillList();
    return m_selector->selection();
}

int CSettingForm::shownSlot() const {
    const int slot = m_selector != nullptr ? m_selector->currentSlot() : -1;
    return slot < 0 ? 0 : slot;
}

bool CSettingForm::readPrinter() {
    if (!readingStarts())
        return false;
    FormRecord reading(record().size(), '\0');
    const bool read = services().readOperation(kConfigurationGroup, m_step, reading, true);
    if (m_selector != nullptr)
        m_selector->prepareFor(mode());
    if (!read || !readingAccepted(reading))
        return false;
    keepReading(std::move(reading), shownSlot());
    return true;
}

} // namespace morvelan
