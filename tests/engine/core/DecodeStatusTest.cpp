#include "EngineFixture.h"

namespace morvelan::test {
namespace {

class EngineDecodeStatus : public EngineFixture {};

TEST_F(EngineDecodeStatus, EmptyStatusAfterPortOpeningAsksThePrinterOnce) {
    detect();
    FakeLibrary::script.statuses = {{1, ""}};
    FakeLibrary::script.rawStatus = {0, "000000000000C0800000"};
    ResultRecord record{};
    record.resultCode = 7;
    engine->decodeStatus(record, 0);

    const auto raw = FakeLibrary::callsTo("Send_From_FileEXX");
    ASSERT_EQ(raw.size(), 1U);
    EXPECT_EQ(raw[0].args[0], "0001|0000");
    EXPECT_EQ(FakeLibrary::count("Obter_Estado_Impressora"), 1);
    EXPECT_EQ(record.resultCode, 7); // the operation's own code stays
    EXPECT_EQ(text(record.resultLine), "( 0000 ) - Resultado sem erro");
    EXPECT_EQ(text(record.printerStatusText), "Impressora Online - ");
}

TEST_F(EngineDecodeStatus, StatusWithTextOrOtherFailureSendsNoRawCommand) {
    detect();
    FakeLibrary::script.statuses = {{1, "000000000000C0800000"}};
    ResultRecord record{};
    engine->decodeStatus(record, 0);
    EXPECT_EQ(FakeLibrary::count("Send_From_FileEXX"), 0);
    EXPECT_EQ(record.resultCode, 1);

    FakeLibrary::script.statuses = {{3, ""}};
    engine->decodeStatus(record, 0);
    EXPECT_EQ(FakeLibrary::count("Send_From_FileEXX"), 0);
}

TEST_F(EngineDecodeStatus, UnreadableStatusReplacesTheCodeAndClearsTheTexts) {
    detect();
    ResultRecord record{};
    engine->decodeStatus(record, 0); // fills every text
    record.resultCode = 0;
    FakeLibrary::script.statuses = {{1, ""}};
    FakeLibrary::script.rawStatus = {3, ""};
    engine->decodeStatus(record, 0);

    EXPECT_EQ(record.resultCode, 3);
    EXPECT_EQ(text(record.resultLine), "ERRO - IMPRESSORA OFFLINE OU DESCONECTADA");
    EXPECT_EQ(text(record.fieldErrorText), "");
    EXPECT_EQ(text(record.portStatusText), "");
    EXPECT_EQ(text(record.printerStatusText), "");
    EXPECT_EQ(text(record.fiscalStatusText), "");
}

TEST_F(EngineDecodeStatus, FailureTextComesFromTheLibraryInWindows1252) {
    detect();
    FakeLibrary::script.status = {0, "000000000000C0800908"};
    FakeLibrary::script.messages["0908"] = toCp1252("Meio de pagamento não cadastrado");
    ResultRecord record{};
    engine->decodeStatus(record, 0);

    EXPECT_EQ(FakeLibrary::callsTo("Obter_Mensagem_Erro").at(0).args[0], "0908");
    EXPECT_EQ(text(record.resultLine), "( 0908 ) - Meio de pagamento não cadastrado");
    // Record texts are Windows-1252 bytes: "Período" carries 0xED, not a UTF-8 pair.
    EXPECT_NE(std::string_view(record.fiscalStatusText).find("Per\xEDodo"), std::string::npos);
}

TEST_F(EngineDecodeStatus, FieldErrorAsksForTheMessageOf0004) {
    detect();
    FakeLibrary::script.status = {0, "020300000000C0800000"};
    FakeLibrary::script.messages["0004"] = "Parametro invalido";
    ResultRecord record{};
    engine->decodeStatus(record, 0);
    EXPECT_EQ(text(record.fieldErrorText), "String com data inválida. - Campo com erro: 03");
    EXPECT_EQ(text(record.resultLine), "( 0004 ) - Parametro invalido");
}

TEST_F(EngineDecodeStatus, TextsFollowTheStatusBackAndForth) {
    detect();
    FakeLibrary::script.messages["0908"] = "Meio nao cadastrado";
    const struct {
        const char* status;
        const char* printerText;
        const char* resultLine;
    } cases[] = {
        {"000000000000C0800000", "Impressora Online - ", "( 0000 ) - Resultado sem erro"},
        {"000000000000C0800908", "Impressora Online - ", "( 0908 ) - Meio nao cadastrado"},
        {"000000002000C0800000", "Tampa superior aberta - Impressora Online - ",
         "( 0000 ) - Resultado sem erro"},
        {"000000000000C0800000", "Impressora Online - ", "( 0000 ) - Resultado sem erro"},
    };
    for (const auto& step : cases) {
        FakeLibrary::script.status = {0, step.status};
        ResultRecord record{};
        engine->decodeStatus(record, 0);
        EXPECT_EQ(text(record.printerStatusText), step.printerText) << step.status;
        EXPECT_EQ(text(record.resultLine), step.resultLine) << step.status;
    }
}

TEST_F(EngineDecodeStatus, AbsentPrinterLeavesTheRecordAlone) {
    ResultRecord record{};
    record.resultCode = 42;
    engine->decodeStatus(record, 0);
    EXPECT_EQ(record.resultCode, 42);
    EXPECT_EQ(FakeLibrary::calls.size(), 0U);
}

} // namespace
} // namespace morvelan::test
