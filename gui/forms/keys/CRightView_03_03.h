// "Leitura da chave pública de AD" (3.3): reads the printer's public key and adds it to the key
// file, whose full path the form shows.
#pragma once

#include "gui/forms/common/FormChrome.h"

class QLabel;
class QPushButton;

namespace morvelan {

inline constexpr const char* kPublicKeyReadingText =
    "Este comando realiza a leitura da chave pública do ECF e armazena em um arquivo em disco "
    "para posterior envio a Korva. O arquivo com estes dados será gravado no diretório de "
    "instalação do aplicativo com o nome “chaves.dat”.";
inline constexpr const char* kKeyFileCumulativeText =
    "O arquivo “chaves.dat” é cumulativo: cada leitura acrescenta ao final do arquivo a chave "
    "pública do ECF lido, sem apagar as anteriores. Assim, um único arquivo pode reunir as "
    "chaves de vários ECFs e ser enviado periodicamente a Korva.";

class CRightView_03_03 final : public CFormView {
public:
    explicit CRightView_03_03(FormContext& context);
    void refreshControls() override {}

    QPushButton* sendButton() const { return m_send; }
    QLabel* pathText() const { return m_path; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* m_send = nullptr;
    QLabel* m_path = nullptr;
};

} // namespace morvelan
