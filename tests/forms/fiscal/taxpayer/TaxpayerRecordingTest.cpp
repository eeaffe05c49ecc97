// The taxpayer recording: every reason not to record in the order the technician reads them, the
// request data the two calls get, and the confirmations word for word.
#include "core/features/taxpayer/TaxpayerRecording.h"

#include <gtest/gtest.h>

namespace morvelan::fiscal {
namespace {

TaxpayerValues valid() {
    return {"11.222.333/0001-81", "ISENTO", "", "", "03", "02"};
}

TEST(TaxpayerRecording, ChecksAreCollectedInTheirOrder) {
    const struct {
        TaxpayerValues values;
        UserCheck user;
        bool insideSequence;
        bool refused;
        const char* message;
    } cases[] = {
        {valid(), UserCheck::HasUser, false, false, ""},
        {valid(), UserCheck::NoUser, true, false, ""},
        {valid(), UserCheck::ReadFailed, false, true, ""},
        {valid(), UserCheck::HasUser, true, true, "Já existe usuário cadastrado no ECF.\n"},
        {{"11.222.333/0001-80", "0.0-0", "/", "", "", "2"},
         UserCheck::NoUser,
         false,
         true,
         "Selecione o número de casas decimais para a Quantidade.\n"
         "Não existe usuário cadastrado no ECF.\nC.N.P.J Inválido!\n"
         "Inscrição Estadual inválida.\nInscrição Municipal inválida.\n"},
        {{" ", "", "", "", "03", "x"},
         UserCheck::HasUser,
         false,
         true,
         "Selecione o número de casas decimais para o Preço Unitário.\n"
         "C.N.P.J em branco. Este campo é obrigatório.\n"
         "É necessário preencher pelo menos um dos campos abaixo:\n - Inscrição Estadual.\n"
         " - Inscrição Municipal."},
        // An 11-digit text is a C.P.F; an I.M alone is enough.
        {{"111.444.777-35", "", "12345", "", "02", "02"}, UserCheck::HasUser, false, false, ""},
    };
    for (const auto& c : cases) {
        const auto check = checkRecording(c.values, c.user, c.insideSequence);
        EXPECT_EQ(check.refused, c.refused) << c.values.cnpj;
        EXPECT_EQ(check.message, c.message) << c.values.cnpj;
    }
}

TEST(TaxpayerRecording, RecordCarriesTheIdentifierAsTypedAndBare) {
    auto values = valid();
    values.cnpj = "12.abc.345/01de-35";
    values.password = "1234";
    const auto record = taxpayerRecord(values, kRecordMode);
    ASSERT_EQ(record.size(), kTaxpayerRecordSize);
    EXPECT_EQ(record[0], kRecordMode);
    EXPECT_EQ(record[1], 0);
    EXPECT_EQ(recordText(record, 2, 19), "12.abc.345/01de-35");
    EXPECT_EQ(recordText(record, 21, 19), "12ABC34501DE35");
    EXPECT_EQ(recordText(record, 40, 21), "ISENTO");
    EXPECT_EQ(recordText(record, 82, 9), "1234");
    EXPECT_EQ(recordText(record, 91, 3), "03");
    EXPECT_EQ(recordText(record, 94, 3), "02");
    EXPECT_EQ(taxpayerValues(record).password, "1234");

    // A reading of the printer's user: blank-padded texts and the user number.
    FormRecord reading(kTaxpayerRecordSize, '\0');
    putRecordText(reading, 2, 19, "11222333000181    ");
    putRecordText(reading, 97, 5, "0002");
    EXPECT_EQ(taxpayerValues(reading).cnpj, "11222333000181");
    EXPECT_EQ(userNumber(reading), 2);
    EXPECT_EQ(userNumber(FormRecord(kTaxpayerRecordSize, '\0')), 0);
}

TEST(TaxpayerRecording, ConfirmationsShowOptionalLinesOnlyWhenFilled) {
    EXPECT_EQ(firstConfirmation(valid()),
              "ATENÇÃO!\n\n\nOs dados abaixo serão gravados na MF e MFD de maneira permanente, sem "
              "possibilidade de alteração.\nVerifique se os mesmos estão corretos, pois em "
              "contrário a MF e MFD serão perdidas!\n\nC.N.P.J : 11.222.333/0001-81\nI.E: "
              "ISENTO\nCasas decimais - Quantidade: 03\nCasas decimais - Preço Unitário: "
              "02\n\nDeseja realmente efetuar esta operação?");
    auto full = valid();
    full.municipalRegistration = "998877";
    full.password = "pw";
    EXPECT_EQ(secondConfirmation(full),
              "ATENÇÃO!\n\n\nÉ necessário confirmar novamente os dados do contribuinte.\nConfira "
              "os dados no documento impresso pela impressora.\nVerifique se os mesmos estão "
              "corretos, pois em contrário a MF e MFD serão perdidas!\n\nC.N.P.J : "
              "11.222.333/0001-81\nI.E: ISENTO\nI.M: 998877\nSenha: pw\nCasas decimais - "
              "Quantidade: 03\nCasas decimais - Preço Unitário: 02");
}

} // namespace
} // namespace morvelan::fiscal
