#include "gui/forms/update/CRightView_01_16.h"

#include "gui/dialogs/CProgressUpdateDlg.h"
#include "gui/forms/common/PrinterSelector.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLayoutItem>
#include <QPushButton>
#include <QVBoxLayout>

#include <chrono>
#include <filesystem>
#include <system_error>
#include <thread>

namespace morvelan {

namespace {

std::string currentDirectory() {
    std::error_code ec;
    const std::filesystem::path path = std::filesystem::current_path(ec);
    return ec ? std::string(".") : path.string();
}

} // namespace

CRightView_01_16::CRightView_01_16(FormContext& context)
    : CFormView(context, QStringLiteral("CRightView_01_16")) {
    m_hooks.directory = currentDirectory();
    m_hooks.pause = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    m_hooks.wait = [this](const UpdateProgress& progress) {
        CProgressUpdateDlg dialog(progress, this);
        dialog.exec();
    };

    auto* layout = new QVBoxLayout(this);
    m_selector =
        new PrinterSelector(services(), PrinterLabelStyle::ModelPort, TabsShown::Never, this);
    layout->addWidget(m_selector);
    m_printerLines = new QVBoxLayout;
    layout->addLayout(m_printerLines);
    m_directory = new QLabel(this);
    m_directory->setObjectName(QStringLiteral("updateDirectory"));
    m_directory->setWordWrap(true);
    m_directory->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_directory);

    auto* send = new QPushButton(QStringLiteral("Enviar"), this);
    send->setObjectName(QStringLiteral("sendButton"));
    connect(send, &QPushButton::clicked, this, &CRightView_01_16::send);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(send);
    buttons->addStretch();
    addAbandonButton(buttons);
    layout->addLayout(buttons);
    layout->addStretch();
    m_selector->prepareFor(mode());
    refreshControls();
}

void CRightView_01_16::setHooks(update::UpdateHooks hooks) {
    m_hooks = std::move(hooks);
    refreshControls();
}

void CRightView_01_16::refreshControls() {
    while (QLayoutItem* item = m_printerLines->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (int slot = 0; slot < services().printerSlotCount(); ++slot) {
        const PrinterIdentity printer = services().printer(slot);
        if (!printer.present) {
            continue;
        }
        auto* line = new QLabel(qtText(update::printerLine(printer)), this);
        line->setObjectName(QStringLiteral("printerLine%1").arg(slot));
        m_printerLines->addWidget(line);
    }
    m_directory->setText(QString::fromUtf8("Arquivos de atualização (%1 e %2) lidos da pasta:\n%3")
                             .arg(QString::fromUtf8(update::kThirdGenerationFile),
                                  QString::fromUtf8(update::kOtherFile),
                                  qtText(m_hooks.directory)));
}

void CRightView_01_16::send() {
    update::sendUpdate(services(), m_selector->selection(), m_hooks, m_progress.data());
    // The first exchange may have been the one that found the printers.
    m_selector->prepareFor(mode());
    refreshControls();
}

} // namespace morvelan
