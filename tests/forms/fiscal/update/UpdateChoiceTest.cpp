// Which section each board, version and variant gets, and which printers are left alone.
#include "core/features/update/UpdateChoice.h"

#include <gtest/gtest.h>

namespace morvelan::update {
namespace {

struct Case {
    bool mkiii;
    const char* board;
    const char* version;
    char variant;
    int section; // -1: already enabled, -2: unknown model
    const char* modelLine;
};

TEST(UpdateChoice, SectionForEveryListedModelVersionAndVariant) {
    const Case cases[] = {
        {true, "QP-R4100III", "4.00.12 BRF", 'S', 16, "21 minutos para QP-R4100III.\n"},
        {true, "QP-R4100III", "4.00.12 BRF", 'B', 17, "21 minutos para QP-R4100III.\n"},
        {true, "QP-R4100II", "3.00.12 BRF", 'S', 20, "12 minutos para QP-R4100II.\n"},
        {true, "QP-R4100II", "3.00.12 BRF", 'B', 21, "12 minutos para QP-R4100II.\n"},
        {true, "QP-L30", "2.00.12 BRF", 'S', 19, "15 minutos para QP-L30.\n"},
        {true, "QP-L20", "2.00.12 BRF", 'B', 18, "16 minutos para QP-L20.\n"},
        {false, "QP-R4100III", "1.00 BRF", 'S', 1, "22 minutos para QP-R4100III.\n"},
        {false, "QP-R4100III", "1.01 BRF", 'S', 2, "22 minutos para QP-R4100III.\n"},
        {false, "QP-R4100III", "0.99 BRF", 'S', 0, "22 minutos para QP-R4100III.\n"},
        {false, "QP-R4100III", "2.00 BRF", 'B', 5, "22 minutos para QP-R4100III.\n"},
        {false, "QP-R4100III", "2.01 BRF", 'B', 6, "22 minutos para QP-R4100III.\n"},
        {false, "QP-R4100III", "1.01 BRF", 'B', 4, "22 minutos para QP-R4100III.\n"},
        {false, "QP-L30", "1.00 BRF", 'S', 13, "15 minutos para QP-L30.\n"},
        {false, "QP-L30", "1.01 BRF", 'B', 14, "15 minutos para QP-L30.\n"},
        {false, "QP-L30", "0.50 BRF", 'S', 12, "15 minutos para QP-L30.\n"},
        {false, "QP-L20", "1.00 BRF", 'S', 9, "21 minutos para QP-L20.\n"},
        {false, "QP-L20", "1.01 BRF", 'S', 10, "21 minutos para QP-L20.\n"},
        {false, "QP-L20", "0.10 BRF", 'S', 8, "21 minutos para QP-L20.\n"},
        {true, "QP-R4100III", "4.00.13 BRF", 'S', -1, ""},
        {true, "QP-L30", "3.00.13 BRF", 'S', -1, ""},
        {true, "QP-L20", "2.00.13 BRF", 'S', -1, ""},
        {false, "QP-L30", "1.02 BRF", 'S', -1, ""},
        {false, "QP-R4100III", "2.02 BRF", 'B', -1, ""},
        {true, "QP-X9", "4.00.12 BRF", 'S', -2, ""},
        {false, "QP-R4100II", "1.01 BRF", 'S', -2, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.board) + " " + c.version + " " + c.variant);
        const UpdateChoice choice = chooseSection(c.mkiii, {c.board, c.version, c.variant});
        const ChoiceOutcome expected = c.section == -1   ? ChoiceOutcome::AlreadyEnabled
                                       : c.section == -2 ? ChoiceOutcome::UnknownModel
                                                         : ChoiceOutcome::Update;
        EXPECT_EQ(choice.outcome, expected);
        if (expected == ChoiceOutcome::Update) {
            EXPECT_EQ(choice.section, c.section);
            EXPECT_EQ(choice.modelLine, c.modelLine);
            EXPECT_EQ(choice.procedure, c.mkiii ? Procedure::ThirdGeneration : Procedure::Other);
        }
    }
}

TEST(UpdateChoice, ConfirmationCarriesTheModelLine) {
    const UpdateChoice choice = chooseSection(false, {"QP-L20", "1.00 BRF", 'S'});
    EXPECT_EQ(confirmationText(choice),
              "Impressora em processamento interno.\nNão desligue ou interrompa a comunicação "
              "sob risco de dano IRRECUPERÁVEL.\n\nEste processo será concluído em "
              "aproximadamente 21 minutos para QP-L20.\n\nDeseja realmente continuar?");
}

} // namespace
} // namespace morvelan::update
