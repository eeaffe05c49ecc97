// The line checks in their order, the answers of the reading commands, and the code page.
#include <set>

#include "DeviceFixture.h"
#include "ReturnCodes.h"

namespace korva::test {
namespace {

using DeviceProtocol = DeviceTest;

TEST_F(DeviceProtocol, LineChecksAnswerInTheirOrder) {
    EXPECT_EQ(rc(""), "0005");
    EXPECT_EQ(rc("0001"), "0005");
    EXPECT_EQ(rc("00G1|0000"), "0005");
    EXPECT_EQ(rc("0001|000"), "0005");
    EXPECT_EQ(rc("0001|0000" + std::string(1020, 'x')), "0005");
    EXPECT_EQ(rc("0FFF|0000"), "0001");
    EXPECT_EQ(rc("0001|0001"), "0002");
    EXPECT_EQ(rc("0001|0000|x"), "0003");
    // An unknown command beats a wrong field count; a wrong field count beats a field error.
    EXPECT_EQ(rc("0FFF|0009|a|b"), "0001");
    EXPECT_EQ(rc("0101|0000|xx|yy"), "0003");
    // Codes are compared without regard to case.
    EXPECT_EQ(rc("000a|0000"), "0000");
}

TEST_F(DeviceProtocol, RefusedCommandAnswersErrorWithStatusAndNoFields) {
    const Exchange e = run("0204|0000|07");
    EXPECT_EQ(e.result, KORVA_ERRO_COMANDO);
    EXPECT_TRUE(e.fields.empty());
    ASSERT_EQ(e.status.size(), 20u);
    std::string last;
    EXPECT_EQ(printer->lastStatus(last), KORVA_OK);
    EXPECT_EQ(last, e.status);
}

TEST_F(DeviceProtocol, FieldErrorsNameTheFieldWithReturnCode0004) {
    Exchange e = run("0101|0000|31022026|120000|1");
    EXPECT_EQ(e.status.substr(0, 4), "0201");
    EXPECT_EQ(code(e), "0004");
    e = run("0101|0000|01032026|126000|1");
    EXPECT_EQ(e.status.substr(0, 4), "0302");
    e = run("0107|0000|");
    EXPECT_EQ(e.status.substr(0, 4), "0601");
    e = run("0107|0000|" + std::string(21, 'a'));
    EXPECT_EQ(e.status.substr(0, 4), "0701");
    e = run("0101|0000|01012026|120000|5");
    EXPECT_EQ(e.status.substr(0, 4), "0703");
    EXPECT_EQ(e.result, KORVA_ERRO_COMANDO);
}

TEST_F(DeviceProtocol, FreshPrinterStatusAndData) {
    const Exchange status = run("0001|0000");
    EXPECT_EQ(status.status, "00000000000090000000"); // manufacture, MIT, all quiet
    ASSERT_EQ(status.fields.size(), 1u);
    EXPECT_EQ(status.fields[0], status.status);

    const Exchange data = run("0003|0000");
    ASSERT_EQ(data.fields.size(), 6u);
    EXPECT_EQ(data.fields[2], "KORVA");
    EXPECT_EQ(data.fields[3], "QP-R4100 MKIII");
    EXPECT_EQ(data.fields[4], "ECF-IF");
    EXPECT_EQ(data.fields[5], "4.00.12 BRF");
    EXPECT_EQ(data.fields[0].size(), 20u);

    EXPECT_EQ(run("0005|0000").answer(), "0");
    EXPECT_EQ(run("0006|0000").answer(), "03|02");
    EXPECT_EQ(run("0567|0000").answer(), "QP-R4100III");
    EXPECT_EQ(run("0566|0000").answer(), "4.00.12 BRF");
    EXPECT_EQ(run("0565|0000").answer().at(8), 'S');
    EXPECT_EQ(run("0002|0000").answer(), "12032026|100000");
    EXPECT_EQ(run("000D|0000").answer().size(), 4u);
}

TEST_F(DeviceProtocol, ProfilesAnswerTheirBoardsVersionsAndVariants) {
    struct Case {
        const char* profile;
        const char* model;
        const char* board;
        const char* version;
        char variant;
    };
    for (const Case c :
         {Case{"qp-r4100-mkiii-ii", "QP-R4100 MKIII", "QP-R4100II", "3.00.12 BRF", 'S'},
          Case{"qp-l30-mkiii", "QP-L30 MKIII", "QP-L30", "2.00.12 BRF", 'S'},
          Case{"qp-r4100-b", "QP-R4100", "QP-R4100III", "2.01 BRF", 'B'},
          Case{"qp-l20", "QP-L20", "QP-L20", "1.00 BRF", 'S'}}) {
        reset(c.profile);
        EXPECT_EQ(run("0003|0000").fields.at(3), c.model) << c.profile;
        EXPECT_EQ(run("0567|0000").answer(), c.board) << c.profile;
        EXPECT_EQ(run("0566|0000").answer(), c.version) << c.profile;
        EXPECT_EQ(run("0565|0000").answer().at(8), c.variant) << c.profile;
    }
}

TEST_F(DeviceProtocol, TextsCrossTheLineInWindows1252) {
    // The fixed report "Configuração" leaves the printer in Windows-1252.
    const std::string reports = run("0014|0000").fields.at(0);
    EXPECT_EQ(reports, "01Configura\xe7\xe3o   ");
    // A name sent in Windows-1252 is kept and answered the same way.
    EXPECT_EQ(rc("0207|0000|Balan\xe7o"), "0000");
    EXPECT_EQ(run("0014|0000").fields.at(1), "02Balan\xe7o        ");
    EXPECT_EQ(state().reports.at(1).name, "Balanço");
}

TEST_F(DeviceProtocol, MessagesAreWindows1252AndUnknownCodesHaveOne) {
    EXPECT_EQ(VirtualPrinter::message("0e01"),
              "Comando permitido somente em modo de interven\xe7\xe3o t\xe9"
              "cnica (MIT).");
    EXPECT_EQ(VirtualPrinter::message("0E01"), VirtualPrinter::message("0e01"));
    EXPECT_EQ(VirtualPrinter::message("abcd"), "C\xf3"
                                               "digo de retorno desconhecido.");
}

TEST(DeviceCatalogue, CodesAreUniqueLowerCaseAndMessagesFitTheirBuffer) {
    std::set<std::string_view> seen;
    for (const auto& e : rc::catalogue()) {
        EXPECT_TRUE(seen.insert(e.code).second) << e.code;
        EXPECT_EQ(e.code.size(), 4u);
        EXPECT_EQ(e.code.find_first_not_of("0123456789abcdef"), std::string_view::npos) << e.code;
        const std::string text = VirtualPrinter::message(e.code);
        EXPECT_LE(text.size(), 100u) << e.code;
        EXPECT_EQ(text.find('?'), std::string::npos) << e.code; // every character converted
    }
}

TEST_F(DeviceProtocol, EventLogAnswersNewestFirstInRecordsOf27) {
    ASSERT_EQ(rc("0303|0000"), "0000");
    ASSERT_EQ(rc("0101|0000|13032026|080000|1"), "0000");
    const Exchange log = run("000F|0000");
    ASSERT_EQ(log.fields.size(), 2u);
    EXPECT_EQ(log.fields[0].size(), 27u);
    EXPECT_EQ(log.fields[0].substr(0, 12), "130320260800");
    EXPECT_EQ(log.fields[0].substr(22, 4), "0101");
    EXPECT_EQ(log.fields[1].substr(22, 4), "0303");
}

} // namespace
} // namespace korva::test
