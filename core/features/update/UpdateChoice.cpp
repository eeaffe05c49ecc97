#include "core/features/update/UpdateChoice.h"

#include <array>
#include <string_view>

namespace morvelan::update {
namespace {

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The section a version of the older generation selects: the first version of `versions` it
// begins with picks first + its index, any other version `fallback`.
int byVersion(std::string_view version, int fallback, std::array<std::string_view, 3> versions) {
    for (std::size_t i = 0; i < versions.size(); ++i) {
        if (startsWith(version, versions[i])) {
            return fallback + 1 + static_cast<int>(i);
        }
    }
    return fallback;
}

UpdateChoice thirdGeneration(const PrinterAnswers& a) {
    UpdateChoice c;
    c.procedure = Procedure::ThirdGeneration;
    for (std::string_view enabled : {"4.00.13 BRF", "3.00.13 BRF", "2.00.13 BRF"}) {
        if (startsWith(a.version, enabled)) {
            c.outcome = ChoiceOutcome::AlreadyEnabled;
            return c;
        }
    }
    const bool s = a.variant == 'S';
    // "QP-R4100III" before "QP-R4100II", which is a prefix of it.
    if (startsWith(a.board, "QP-R4100III")) {
        c.modelLine = "21 minutos para QP-R4100III.\n";
        c.section = s ? 16 : 17;
    } else if (startsWith(a.board, "QP-R4100II")) {
        c.modelLine = "12 minutos para QP-R4100II.\n";
        c.section = s ? 20 : 21;
    } else if (startsWith(a.board, "QP-L30")) {
        c.modelLine = "15 minutos para QP-L30.\n";
        c.section = 19;
    } else if (startsWith(a.board, "QP-L20")) {
        c.modelLine = "16 minutos para QP-L20.\n";
        c.section = 18;
    } else {
        return c;
    }
    c.outcome = ChoiceOutcome::Update;
    return c;
}

UpdateChoice otherGeneration(const PrinterAnswers& a) {
    UpdateChoice c;
    c.procedure = Procedure::Other;
    if (startsWith(a.version, "1.02 BRF") || startsWith(a.version, "2.02 BRF")) {
        c.outcome = ChoiceOutcome::AlreadyEnabled;
        return c;
    }
    if (startsWith(a.board, "QP-R4100III")) {
        c.modelLine = "22 minutos para QP-R4100III.\n";
        c.section = a.variant == 'S'
                        ? byVersion(a.version, 0, {"1.00 BRF", "1.01 BRF", "1.02 BRF"})
                        : byVersion(a.version, 4, {"2.00 BRF", "2.01 BRF", "2.02 BRF"});
    } else if (startsWith(a.board, "QP-L30")) {
        c.modelLine = "15 minutos para QP-L30.\n";
        c.section = byVersion(a.version, 12, {"1.00 BRF", "1.01 BRF", "1.02 BRF"});
    } else if (startsWith(a.board, "QP-L20")) {
        c.modelLine = "21 minutos para QP-L20.\n";
        c.section = byVersion(a.version, 8, {"1.00 BRF", "1.01 BRF", "1.02 BRF"});
    } else {
        return c;
    }
    c.outcome = ChoiceOutcome::Update;
    return c;
}

} // namespace

const char* updateFileName(Procedure procedure) {
    return procedure == Procedure::ThirdGeneration ? kThirdGenerationFile : kOtherFile;
}

UpdateChoice chooseSection(bool isMkiii, const PrinterAnswers& answers) {
    return isMkiii ? thirdGeneration(answers) : otherGeneration(answers);
}

std::string confirmationText(const UpdateChoice& choice) {
    return std::string("Impressora em processamento interno.\n") +
           "Não desligue ou interrompa a comunicação sob risco de dano IRRECUPERÁVEL.\n\n" +
           "Este processo será concluído em aproximadamente " + choice.modelLine +
           "\nDeseja realmente continuar?";
}

std::string unknownModelText(const PrinterAnswers& answers) {
    return "Modelo de placa desconhecido: \"" + answers.board +
           "\".\nNão há atualização de software básico para este equipamento; nada foi enviado "
           "à impressora.";
}

} // namespace morvelan::update
