// The sealing sequence's driver decision: which step follows a command, and what to show there.
#pragma once

namespace morvelan {

enum SealingCommand {
    kSealingStart = 0,
    kSealingNext = 1,
    kSealingRepeat = 2,
    kSealingPrevious = -1
};

inline constexpr int kSealingSteps = 7; // steps 0 to 6 each show a form; 7 is the end

struct SealingMove {
    int step = 99; // the new sequenceStep
    int group = 0; // form to show
    int item = 0;
    bool finished = false;     // reached the end: tell the technician
    bool endsSequence = false; // the tree is given back
};

// Any command other than start, next, repeat and previous abandons the sequence.
SealingMove advanceSealingStep(int currentStep, int command);

} // namespace morvelan
