#include "gui/forms/executor/CRightView_06_02.h"

#include "core/base/SilentPrompts.h"
#include "core/scripts/check/ScriptCheck.h"
#include "core/scripts/executor/ScriptListing.h"
#include "gui/dialogs/CScriptOutputDlg.h"
#include "gui/dialogs/ReadOnlyText.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include <memory>

namespace morvelan {

namespace {
constexpr const char* kScriptFilter = "Arquivos Script (*.SEQ)|*.SEQ||";
constexpr const char* kScriptExtension = "*.SEQ";
constexpr const char* kNoScriptSelected = "Não existe nenhum script selecionado.";
constexpr const char* kRunAnyway = "Executar o script mesmo assim?";
} // namespace

CRightView_06_02::CRightView_06_02(FormContext& context)
    : CFormView(context, QStringLiteral("CRightView_06_02")), m_runner(context.services.engine()) {
    auto* layout = new QVBoxLayout(this);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(new QLabel(QStringLiteral("Caminho do arquivo:"), this));
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("scriptPath"));
    m_path->setReadOnly(true);
    keepTextFromStart(m_path);
    pathRow->addWidget(m_path, 1);
    layout->addLayout(pathRow);

    m_output = new QTextEdit(this);
    m_output->setObjectName(QStringLiteral("output"));
    m_output->setReadOnly(true);
    m_output->setLineWrapMode(QTextEdit::NoWrap);
    m_output->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QTextCharFormat format;
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    format.setFont(font);
    format.setForeground(Qt::black);
    m_output->setCurrentCharFormat(format);
    m_output->document()->setDefaultFont(font);
    layout->addWidget(m_output, 1);

    // Holds the plain log while it is copied, coloured, into the output area.
    m_plain = new QTextEdit(this);
    m_plain->setObjectName(QStringLiteral("plainLog"));
    m_plain->setVisible(false);

    auto* buttons = new QHBoxLayout;
    m_select = new QPushButton(QStringLiteral("&Selecionar Script"), this);
    m_select->setObjectName(QStringLiteral("selectButton"));
    m_execute = new QPushButton(QStringLiteral("&Executar"), this);
    m_execute->setObjectName(QStringLiteral("executeButton"));
    m_stopOnError = new QCheckBox(QStringLiteral("Parar no primeiro erro"), this);
    m_stopOnError->setObjectName(QStringLiteral("stopOnErrorBox"));
    buttons->addWidget(m_select);
    buttons->addWidget(m_execute);
    buttons->addWidget(m_stopOnError);
    buttons->addStretch();
    layout->addLayout(buttons);
    addAbandonButton(layout);

    connect(m_select, &QPushButton::clicked, this, &CRightView_06_02::selectScript);
    connect(m_execute, &QPushButton::clicked, this, &CRightView_06_02::execute);
    refreshControls();
}

void CRightView_06_02::refreshControls() {
    m_path->setText(qtText(m_scriptPath));
}

void CRightView_06_02::selectScript() {
    m_scriptPath.clear();
    refreshControls();
    const auto chosen = services().prompts().openFile(kScriptFilter, kScriptExtension);
    if (!chosen || chosen->size() > kMaxScriptPath) {
        return;
    }
    m_scriptPath = *chosen;
    refreshControls();
    if (const auto listing = scriptListing(m_scriptPath)) {
        m_output->setPlainText(qtText(*listing));
    }
}

void CRightView_06_02::execute() {
    if (m_scriptPath.empty()) {
        services().prompts().message(kAlertTitle, kNoScriptSelected, PromptIcon::Error);
        return;
    }
    if (!confirmCheckedScript()) {
        return;
    }
    m_runner.setStopOnError(m_stopOnError->isChecked());
    m_runner.runScript(m_scriptPath, m_logs, kAllPrinters);
    m_plain->setPlainText(qtText(m_logs[0]));
    showColouredScriptLog(*m_output, qtText(m_logs[0]));
}

bool CRightView_06_02::confirmCheckedScript() {
    auto dictionary = std::make_unique<CommandDictionary>();
    // Without a sound comandos.xml the run goes on, and the script is held to its format alone.
    // What is wrong with the file is the run's to say, once: the check keeps quiet about it.
    SilentPrompts quiet;
    const bool loaded =
        LoadCommandDictionary(services().engine().programDirectory(), quiet, *dictionary) &&
        DictionaryHoldsCommands(*dictionary);
    const auto outcome =
        CheckScriptFile(m_scriptPath, loaded ? dictionary.get() : nullptr, kFindingsShown);
    // A script that cannot be read is the run's to report.
    if (!outcome || outcome->total == 0) {
        return true;
    }
    return services().prompts().askYesNo(
        kAlertTitle, ScriptCheckMessage(*outcome) + "\n\n" + kRunAnyway, PromptIcon::Question);
}

} // namespace morvelan
