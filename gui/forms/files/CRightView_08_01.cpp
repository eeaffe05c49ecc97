#include "gui/forms/files/CRightView_08_01.h"

#include "core/base/CommandFileActions.h"
#include "core/engine/Engine.h"
#include "gui/dialogs/ReadOnlyText.h"
#include "gui/forms/files/FilePathField.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvelan {

CRightView_08_01::CRightView_08_01(FormContext& context)
    : CFormView(context, QStringLiteral("CRightView_08_01")) {
    auto* layout = new QVBoxLayout(this);
    m_path = addGroupedLine(layout, this, QStringLiteral("Caminho do arquivo"),
                            QStringLiteral("filePath"), static_cast<int>(kMaxCommandFilePath));
    m_path->setReadOnly(true);
    keepTextFromStart(m_path);

    auto* buttons = new QHBoxLayout;
    auto* select = new QPushButton(QStringLiteral("&Selecionar Arquivo"), this);
    select->setObjectName(QStringLiteral("selectButton"));
    auto* load = new QPushButton(QStringLiteral("&Carregar Arquivo"), this);
    load->setObjectName(QStringLiteral("loadButton"));
    buttons->addWidget(select);
    buttons->addWidget(load);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();
    addAbandonButton(layout);

    connect(select, &QPushButton::clicked, this, &CRightView_08_01::selectFile);
    connect(load, &QPushButton::clicked, this, &CRightView_08_01::loadFile);
    refreshControls();
}

void CRightView_08_01::refreshControls() {
    m_path->setText(qtText(requestPath(record())));
}

void CRightView_08_01::selectFile() {
    if (const auto chosen =
            services().prompts().openFile(kCommandFileFilter, kCommandFileExtension))
        m_path->setText(qtText(*chosen));
}

void CRightView_08_01::loadFile() {
    const auto path = m_path->text().toStdString();
    if (loadCommandFile(path, services().engine().commandFile(), services().prompts()))
        services().commandFileOpened(path);
}

} // namespace morvelan
