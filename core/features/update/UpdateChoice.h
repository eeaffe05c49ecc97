// Which section of which update file a printer needs, from the three answers it gave about its
// board, software version and variant; or why it needs none.
#pragma once

#include <string>

namespace morvelan::update {

// Third-generation boards take "V004.IBF", the others "V005.IBF".
enum class Procedure { ThirdGeneration, Other };

inline constexpr const char* kThirdGenerationFile = "V004.IBF";
inline constexpr const char* kOtherFile = "V005.IBF";
const char* updateFileName(Procedure procedure);

struct PrinterAnswers {
    std::string board;   // answer of 0567
    std::string version; // answer of 0566
    char variant = '\0'; // ninth character of the answer of 0565
};

enum class ChoiceOutcome { AlreadyEnabled, UnknownModel, Update };

struct UpdateChoice {
    ChoiceOutcome outcome = ChoiceOutcome::UnknownModel;
    Procedure procedure = Procedure::Other;
    int section = -1;
    std::string modelLine; // "21 minutos para QP-R4100III.\n"
};

UpdateChoice chooseSection(bool isMkiii, const PrinterAnswers& answers);

inline constexpr const char* kAlreadyEnabledText = "A Impressora já está habilitada.";
inline constexpr const char* kReadFailedText =
    "Erro ao ler as configurações da impressora.\nPor favor tente novamente.\nSe o problema "
    "persistir, entre em contato com a KORVA.";

// The question asked before the transfer, ending in "Deseja realmente continuar?".
std::string confirmationText(const UpdateChoice& choice);
// Why a board matching none of the known models is not updated.
std::string unknownModelText(const PrinterAnswers& answers);

} // namespace morvelan::update
