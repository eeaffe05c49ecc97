#include "gui/dialogs/CRightView_Resp.h"

#include "core/base/Cp1252.h"
#include "core/base/ResultTexts.h"
#include "gui/dialogs/ReadOnlyText.h"
#include "gui/dialogs/ResponseHost.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include <array>

namespace morvelan {

namespace {

constexpr int kEveryPrinter = 99;

PrinterTexts textsOf(const ResultRecord& record) {
    return {fromCp1252Field(record.resultLine), fromCp1252Field(record.fieldErrorText),
            fromCp1252Field(record.portStatusText), fromCp1252Field(record.printerStatusText),
            fromCp1252Field(record.fiscalStatusText)};
}

void setTextColour(QWidget& widget, const QColor& colour) {
    auto palette = widget.palette();
    palette.setColor(QPalette::Text, colour);
    widget.setPalette(palette);
}

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CRightView_Resp::CRightView_Resp(ResponseHost& host, Prompts& prompts, QWidget* parent)
    : QWidget(parent), m_host(host), m_prompts(prompts) {
    setObjectName(QStringLiteral("CRightView_Resp"));
    buildControls();
    for (auto* button : {m_previous, m_repeat, m_next, m_abandon})
        button->setVisible(false);
}

void CRightView_Resp::buildControls() {
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("printerTabs"));
    m_tabs->setVisible(false);
    layout->addWidget(m_tabs);

    auto* form = new QFormLayout;
    m_titleBox = readOnlyLine("title", this);
    m_resultBox = readOnlyLine("resultLine", this);
    m_fieldBox = readOnlyLine("fieldError", this);
    m_portBox = readOnlyLine("portStatus", this);
    m_printerBox = readOnlyLine("printerStatus", this);
    m_fiscalBox = new QPlainTextEdit(this);
    m_fiscalBox->setObjectName(QStringLiteral("fiscalStatus"));
    m_fiscalBox->setReadOnly(true);
    m_fiscalBox->setFixedHeight(m_fiscalBox->fontMetrics().lineSpacing() * 4 + 12);
    form->addRow(QStringLiteral("Comando:"), m_titleBox);
    const std::array<QWidget*, kResultTextCount> boxes = {m_resultBox, m_fieldBox, m_portBox,
                                                          m_printerBox, m_fiscalBox};
    for (std::size_t i = 0; i < kResultTextCount; ++i) {
        form->addRow(QString::fromUtf8(kResultCaptions[i]), boxes[i]);
    }
    layout->addLayout(form);

    auto* buttons = new QHBoxLayout;
    m_previous = new QPushButton(QStringLiteral("Passo &Anterior"), this);
    m_repeat = new QPushButton(QStringLiteral("&Repetir o mesmo Passo"), this);
    m_next = new QPushButton(QStringLiteral("&Próximo Passo"), this);
    m_abandon = new QPushButton(QStringLiteral("Abandonar Sequencia"), this);
    m_previous->setObjectName(QStringLiteral("previousStep"));
    m_repeat->setObjectName(QStringLiteral("repeatStep"));
    m_next->setObjectName(QStringLiteral("nextStep"));
    m_abandon->setObjectName(QStringLiteral("abandonSequence"));
    for (auto* button : {m_previous, m_repeat, m_next, m_abandon})
        buttons->addWidget(button);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();

    connect(m_next, &QPushButton::clicked, this, [this] { m_host.advanceSealing(1); });
    connect(m_repeat, &QPushButton::clicked, this, [this] { m_host.advanceSealing(2); });
    connect(m_previous, &QPushButton::clicked, this, [this] { m_host.advanceSealing(-1); });
    connect(m_abandon, &QPushButton::clicked, this, &CRightView_Resp::abandonSequence);
    connect(m_tabs, &QTabBar::currentChanged, this, &CRightView_Resp::showPrinter);
}

void CRightView_Resp::showResult(int selection, int type, int step, const ResultRecord& slot0) {
    m_title = responseTitle(m_host.groupName(type), m_host.itemName(type, step));
    m_content = responseContent(m_title, {});
    m_titleBox->setText(q(m_content.title));

    const QSignalBlocker blocker(m_tabs);
    while (m_tabs->count() > 0)
        m_tabs->removeTab(0);
    m_records.clear();
    const auto slot = m_host.printerSlot(0);
    if (slot.present) {
        m_records.push_back(slot0);
        m_tabs->addTab(q(printerTabLabel(slot.portName, slot.modelName)));
    }

    const int shown = selection == kEveryPrinter ? 0 : selection;
    if (shown >= 0 && shown < m_tabs->count()) {
        showPrinter(shown);
        m_tabs->setCurrentIndex(shown);
    }
    showSequenceButtons();
    m_tabs->setVisible(m_tabs->count() > 0);
}

void CRightView_Resp::showPrinter(int tab) {
    if (tab < 0 || tab >= static_cast<int>(m_records.size()))
        return;
    m_content = responseContent(m_title, textsOf(m_records[static_cast<std::size_t>(tab)]));
    m_titleBox->setText(q(m_content.title));
    m_resultBox->setText(q(m_content.texts.resultLine));
    m_fieldBox->setText(q(m_content.texts.fieldError));
    m_portBox->setText(q(m_content.texts.portStatus));
    m_printerBox->setText(q(m_content.texts.printerStatus));
    m_fiscalBox->setPlainText(q(m_content.texts.fiscalStatus));
    setTextColour(*m_resultBox, m_content.lastRunFailed ? QColor(255, 0, 0) : QColor(0, 0, 255));
    setTextColour(*m_fiscalBox, m_content.printerBlocked ? QColor(255, 0, 0) : QColor(0, 0, 0));
}

void CRightView_Resp::showSequenceButtons() {
    const auto state = sequenceButtons(m_host.sequenceStep());
    for (auto* button : {m_previous, m_repeat, m_next, m_abandon})
        button->setVisible(state.visible);
    m_next->setEnabled(state.nextEnabled);
    m_previous->setEnabled(state.previousEnabled);
    if (state.sequenceFinished)
        m_host.finishSealing();
}

void CRightView_Resp::abandonSequence() {
    if (!m_prompts.askYesNo(kAlertTitle, "Deseja realmente abandonar a sequência de lacração?",
                            PromptIcon::Question))
        return;
    m_host.setFunctionTreeEnabled(true);
    m_host.switchForm(0, 0);
}

} // namespace morvelan
