#include "EngineFixture.h"

#include "core/base/RequestBytes.h"
#include "core/features/readings/EventLog.h"
#include "core/modules/CoreModules.h"

namespace morvelan::test {
namespace {

class EngineReadOperation : public EngineFixture {
protected:
    EngineReadOperation() : EngineFixture(registerCoreModules) {}
    void SetUp() override {
        FakeLibrary::script.printerData.text = printerDataWithModel("QP-L30 MKIII");
        detect();
    }
    std::string textIn(std::span<const char> data, std::size_t offset, std::size_t width) {
        return textAt(data, offset, width);
    }
};

// The model as detected: the printer data's 20-character field, blanks included.
// The printer pads its model field with blanks; messages name it without them.
const std::string kModel = "QP-L30 MKIII";

TEST_F(EngineReadOperation, SuccessIsReportedWithModelAndPort) {
    FakeLibrary::script.texts["Obter_Simbolo_Moeda"] = "R$";
    char symbol[5] = {};
    EXPECT_TRUE(engine->readOperation(6, 3, symbol, true));
    EXPECT_STREQ(symbol, "R$");
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].title, "Alerta Morvelan");
    EXPECT_EQ(prompts.messages[0].text,
              "( " + kModel + " ) ( COM3 ) ( 0000 ) - Operação finalizada com sucesso. )\n");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Information);
    EXPECT_EQ(engine->readOutcome[0], kReadSucceeded);
}

TEST_F(EngineReadOperation, FailureCarriesTheDecodedResultLine) {
    FakeLibrary::script.results["Obter_Operador"] = 1;
    FakeLibrary::script.status = {0, "000000000000C0800e01"};
    FakeLibrary::script.messages["0e01"] = toCp1252("Comando só em intervenção técnica");
    char operatorName[21] = {};
    EXPECT_FALSE(engine->readOperation(6, 15, operatorName, true));
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].text,
              "( " + kModel + " ) ( COM3 ) ( 0e01 ) - Comando só em intervenção técnica\n\n");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Error);
    EXPECT_EQ(engine->readErrorText[0], "( COM3 ) ( 0e01 ) - Comando só em intervenção técnica\n");
    EXPECT_EQ(engine->resultRecords[0].resultCode, 1);
}

TEST_F(EngineReadOperation, CodeWithoutReadingFailsAsUnavailable) {
    EXPECT_FALSE(engine->readOperation(7, 1, {}, false));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(engine->readOutcome[0], kReadFailed);
    EXPECT_EQ(engine->readErrorText[0],
              "( COM3 ) Função não disponível nesta versão do programa.\n");
}

TEST_F(EngineReadOperation, NoPrinterIsNoSuccess) {
    engine->detectionNeeded = 1;
    FakeLibrary::script.openPort = {3, ""};
    char symbol[5] = {};
    EXPECT_FALSE(engine->readOperation(6, 3, symbol, true));
    ASSERT_EQ(prompts.messages.size(), 1U); // the detection's message only
    EXPECT_EQ(prompts.messages[0].text, "Nenhuma Impressora Fiscal detectada!\n");
}

TEST_F(EngineReadOperation, HeaderLinesFollowTheLineWidth) {
    std::string lines =
        std::string(56, 'A') + std::string(56, 'B') + std::string(56, 'C') + std::string(56, 'D');
    FakeLibrary::script.texts["Obter_Cliche_Usuario"] = lines;
    FakeLibrary::script.texts["Obter_Numero_ECF_Loja"] = "0120034";
    char header[471] = {};
    ASSERT_TRUE(engine->readOperation(6, 2, header, false));
    EXPECT_EQ(textIn(header, 0, 57), std::string(56, 'A'));
    EXPECT_EQ(textIn(header, 171, 57), std::string(56, 'D'));
    EXPECT_EQ(textIn(header, 233, 4), "012");
    EXPECT_EQ(textIn(header, 228, 5), "0034");

    engine->isMkiii[0] = 0; // 40-character lines on the older boards
    FakeLibrary::script.texts["Obter_Cliche_Usuario"] =
        std::string(40, 'a') + std::string(40, 'b') + std::string(40, 'c') + std::string(40, 'd');
    char older[471] = {};
    ASSERT_TRUE(engine->readOperation(6, 2, older, false));
    EXPECT_EQ(textIn(older, 57, 57), std::string(40, 'b'));
    EXPECT_EQ(textIn(older, 171, 57), std::string(40, 'd'));

    // The store numbers are read only after the lines were.
    FakeLibrary::calls.clear();
    FakeLibrary::script.results["Obter_Cliche_Usuario"] = 1;
    EXPECT_FALSE(engine->readOperation(6, 2, older, false));
    EXPECT_EQ(FakeLibrary::count("Obter_Numero_ECF_Loja"), 0);
}

TEST_F(EngineReadOperation, TaxpayerFieldsAndTheUncheckedDecimals) {
    FakeLibrary::script.texts["Obter_Dados_Usuario"] =
        "11222333000181    " + std::string("ISENTO         ") + "123456         ";
    FakeLibrary::script.texts["Obter_Casas_Decimais"] = "03|02";
    FakeLibrary::script.results["Obter_Casas_Decimais"] = 1;
    FakeLibrary::script.texts["Obter_Numero_Usuario"] = "2";
    char request[262] = {};
    ASSERT_TRUE(engine->readOperation(6, 13, request, false));
    EXPECT_EQ(textIn(request, 2, 19), "11222333000181    ");
    EXPECT_EQ(textIn(request, 40, 16), "ISENTO         ");
    EXPECT_EQ(textIn(request, 61, 16), "123456         ");
    EXPECT_EQ(textIn(request, 91, 3), "03");
    EXPECT_EQ(textIn(request, 94, 3), "02");
    EXPECT_EQ(textIn(request, 97, 5), "2");
}

TEST_F(EngineReadOperation, ClockDecimalsRoundingAndValues) {
    char clock[32] = {};
    FakeLibrary::script.clock = {0, "24122026235900"};
    ASSERT_TRUE(engine->readOperation(6, 5, clock, false));
    EXPECT_EQ(textIn(clock, 0, 9), "24122026");
    EXPECT_EQ(textIn(clock, 9, 7), "235900");

    char decimals[15] = {};
    FakeLibrary::script.texts["Obter_Casas_Decimais"] = "03|02";
    ASSERT_TRUE(engine->readOperation(6, 17, decimals, false));
    EXPECT_EQ(textIn(decimals, 0, 4), "03");
    EXPECT_EQ(textIn(decimals, 4, 4), "02");

    char rounding[4] = {};
    FakeLibrary::script.texts["Arredonda"] = "S";
    FakeLibrary::script.texts["Fabricacao"] = "N";
    ASSERT_TRUE(engine->readOperation(6, 18, rounding, false));
    EXPECT_EQ(rounding[0], 'S');
    EXPECT_EQ(rounding[2], 'N');

    std::int32_t summer = 0;
    FakeLibrary::script.values["Obter_Estado_Horario_Verao"] = 1;
    ASSERT_TRUE(engine->readOperation(
        6, 6, std::span<char>(reinterpret_cast<char*>(&summer), sizeof summer), false));
    EXPECT_EQ(summer, 1);

    unsigned short switches = 0;
    FakeLibrary::script.values["Obter_Estado_Microchaves"] = 0x25;
    ASSERT_TRUE(engine->readOperation(
        7, 15, std::span<char>(reinterpret_cast<char*>(&switches), sizeof switches), false));
    EXPECT_EQ(switches, 0x25);
}

TEST_F(EngineReadOperation, EventLogKeepsItsWholeCount) {
    const std::string record = "241220261200" + std::string("1") + "0001" + "00010" + "0501" + "1";
    FakeLibrary::script.texts["Obter_Log_Comandos"] = record + record;
    char request[kEventLogRequestSize] = {};
    ASSERT_TRUE(engine->readOperation(7, 16, request, false));
    EXPECT_EQ(textIn(request, 0, 271), record + record);
    EXPECT_EQ(textIn(request, kEventLogCountOffset, 4), "54");
}

TEST_F(EngineReadOperation, ShortRequestDataIsNeverOverrun) {
    FakeLibrary::script.texts["Obter_Dados_Jornada"] = std::string(67, '7');
    char guarded[12] = {};
    ASSERT_TRUE(engine->readOperation(7, 6, std::span<char>(guarded, 8), false));
    EXPECT_EQ(std::string(guarded, 8), std::string(8, '7'));
    EXPECT_EQ(std::string(guarded + 8, 4), std::string(4, '\0'));
}

} // namespace
} // namespace morvelan::test
