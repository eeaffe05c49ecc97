#include "gui/forms/files/CRightView_08_02.h"

#include "core/base/CommandFile.h"
#include "core/base/CommandFileActions.h"
#include "core/engine/Engine.h"
#include "core/features/common/FormRecord.h"
#include "gui/dialogs/ReadOnlyText.h"
#include "gui/forms/files/FilePathField.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvelan {

CRightView_08_02::CRightView_08_02(FormContext& context)
    : CFormView(context, QStringLiteral("CRightView_08_02")) {
    auto* layout = new QVBoxLayout(this);
    m_path = addGroupedLine(layout, this, QStringLiteral("Caminho \\ Nome do arquivo"),
                            QStringLiteral("filePath"), static_cast<int>(kMaxCommandFilePath));
    m_path->setReadOnly(true);
    keepTextFromStart(m_path);
    m_identification =
        addGroupedLine(layout, this, QStringLiteral("Identificação do Arquivo"),
                       QStringLiteral("identification"), static_cast<int>(kMaxIdentification));

    auto* buttons = new QHBoxLayout;
    auto* select = new QPushButton(QStringLiteral("Selecionar &Caminho"), this);
    select->setObjectName(QStringLiteral("selectButton"));
    auto* save = new QPushButton(QStringLiteral("Salvar &Arquivo"), this);
    save->setObjectName(QStringLiteral("saveButton"));
    buttons->addWidget(select);
    buttons->addWidget(save);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();
    addAbandonButton(layout);

    connect(select, &QPushButton::clicked, this, &CRightView_08_02::selectPath);
    connect(save, &QPushButton::clicked, this, &CRightView_08_02::saveFile);
    refreshControls();
}

void CRightView_08_02::refreshControls() {
    m_path->setText(qtText(requestPath(record())));
    m_identification->setText(qtText(
        recordText(record(), kFileRequestPathSize, kFileRequestSize - kFileRequestPathSize)));
}

void CRightView_08_02::selectPath() {
    if (const auto chosen =
            services().prompts().saveFile(kCommandFileFilter, kCommandFileExtension))
        m_path->setText(qtText(*chosen));
}

void CRightView_08_02::saveFile() {
    const SaveKind kind = mode() == FormMode::SaveAs ? SaveKind::SaveAs : SaveKind::NewFile;
    saveCommandFile(kind, m_path->text().toStdString(), m_identification->text().toStdString(),
                    services().engine().commandFile(), services().prompts());
}

} // namespace morvelan
