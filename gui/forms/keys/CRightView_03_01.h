// "Gerar chaves de AD" (3.1): generates a new signature key for every printer and loads it. Offered
// only when the key history file is in the program's directory.
#pragma once

#include "gui/forms/common/FormChrome.h"

class QLabel;
class QPushButton;

namespace morvelan {

inline constexpr const char* kKeyWarningTitle = "ATENÇÃO";
inline constexpr const char* kKeyContinueQuestion = "Deseja continuar a operação?";
inline constexpr const char* kKeyGenerationQuestion =
    "Deseja REALMENTE executar o comando de geração de chaves?";
inline constexpr const char* kMissingSystemFilesText =
    "Arquivo(s) de Sistema necessário(s) para a execução do comando não localizado(s). É "
    "necessário a reinstalação do software. Por Favor não remova ou apague nenhum arquivo "
    "localizado no diretório do aplicativo Morvelan.";

class CRightView_03_01 final : public CFormView {
public:
    explicit CRightView_03_01(FormContext& context);
    void refreshControls() override {}

    QPushButton* sendButton() const { return m_send; }
    QLabel* missingFilesText() const { return m_missing; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void send();

    QPushButton* m_send = nullptr;
    QLabel* m_missing = nullptr;
};

} // namespace morvelan
