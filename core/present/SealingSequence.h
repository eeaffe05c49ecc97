// The sealing sequence's driver decision: which step follows a command, and what to show there.
#pragma once

#include "core/engine/SequenceOutcomes.h"

#include <array>
#include <string>

namespace morvelan {

// The steps as the sequence's start form lists them, in order.
inline constexpr std::array<const char*, kSealingSteps> kSealingStepNames = {
    "Configurar Data e Hora",
    "Configurar Dados Contribuinte",
    "Configurar Clichê",
    "Configurar Alíquotas",
    "Configurar Totalizadores Não Fiscais",
    "Configurar Relatórios Gerenciais",
    "Configurar Meios de Pagamentos"};

enum SealingCommand {
    kSealingStart = 0,
    kSealingNext = 1,
    kSealingRepeat = 2,
    kSealingPrevious = -1
};

struct SealingMove {
    int step = 99; // the new sequenceStep
    int group = 0; // form to show
    int item = 0;
    bool finished = false;     // reached the end: tell the technician
    bool endsSequence = false; // the tree is given back
};

// Any command other than start, next, repeat and previous abandons the sequence.
SealingMove advanceSealingStep(int currentStep, int command);

// What the technician is told when the sequence ends, and what the service history keeps.
struct SealingEnd {
    std::string message;
    std::string outcome; // one line
    bool complete = false;
};

// "Lacração Finalizada." only when every step's last run was taken by the printer; otherwise the
// steps still to do. A third-generation printer that took a new user still needs signature keys,
// which the sequence does not generate: the message says so.
SealingEnd sealingEnd(const SequenceOutcomes& outcomes, bool thirdGeneration);

} // namespace morvelan
