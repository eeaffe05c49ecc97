// The status words: every bit the program's decoding reads comes from some state.
#include "DeviceFixture.h"
#include "StatusWords.h"

namespace korva::test {
namespace {

using DeviceStatus = DeviceTest;

std::string printerWordOf(const Exchange& e) {
    return e.status.substr(8, 4);
}
std::string fiscalWordOf(const Exchange& e) {
    return e.status.substr(12, 4);
}

TEST_F(DeviceStatus, MechanicalStatesSetTheirPrinterBits) {
    modify([](PrinterState& s) { s.mechanics.paper = Paper::Low; });
    EXPECT_EQ(printerWordOf(run("0001|0000")), "0004");
    modify([](PrinterState& s) {
        s.mechanics.paper = Paper::Ok;
        s.mechanics.coverOpen = true;
        s.mechanics.drawerOpen = true;
    });
    EXPECT_EQ(printerWordOf(run("0001|0000")), "3000");
}

TEST_F(DeviceStatus, EveryPrinterBitCanBeProduced) {
    PrinterState s = freshPrinter(defaultModel());
    Mechanics& m = s.mechanics;
    m.offline = m.printError = m.coverOpen = m.drawerOpen = true;
    m.awaitingRemoval = m.awaitingInsertion = true;
    m.chequeLowerSensor = m.chequeUpperSensor = m.authenticationSensor = true;
    m.paper = Paper::Out;
    m.slipPaper = Paper::Out;
    m.station = Station::Micr;
    EXPECT_EQ(printerWord(s), 0xf7fa);
    m.paper = Paper::Low;
    m.slipPaper = Paper::Low;
    m.station = Station::Authentication;
    EXPECT_EQ(printerWord(s) & 0x0e0f, 0x0405);
    m.station = Station::Cheque;
    EXPECT_EQ(printerWord(s) & 0x0600, 0x0200);
}

TEST_F(DeviceStatus, FiscalWordFollowsModeMitMemoryPeriodAndDocument) {
    PrinterState s = freshPrinter(defaultModel());
    EXPECT_EQ(fiscalWord(s), 0x9000);
    s.mode = FiscalMode::Fiscalized;
    s.mit = false;
    s.salesPeriodOpen = true;
    EXPECT_EQ(fiscalWord(s), 0xc080);
    s.mode = FiscalMode::Blocked;
    s.fiscalMemory = FiscalMemory::RunningOut;
    EXPECT_EQ(fiscalWord(s), 0x0480);
    s.fiscalMemory = FiscalMemory::Full;
    EXPECT_EQ(fiscalWord(s) & 0x0c00, 0x0800);
    s.fiscalMemory = FiscalMemory::Error;
    EXPECT_EQ(fiscalWord(s) & 0x0c00, 0x0c00);
    for (const auto& [doc, bits] : {std::pair{Document::FiscalReceipt, 1},
                                    {Document::CreditDebitVoucher, 2},
                                    {Document::CreditDebitReversal, 3},
                                    {Document::ManagerialReport, 4},
                                    {Document::NonFiscalVoucher, 8},
                                    {Document::ChequeOrAuthentication, 9}}) {
        s.document = doc;
        // The document value never touches the sales-period bit.
        EXPECT_EQ(fiscalWord(s) & 0x037f, bits);
        EXPECT_EQ(fiscalWord(s) & 0x0080, 0x0080);
    }
}

TEST_F(DeviceStatus, FiscalizedPrinterWithOpenDayAnswersC080) {
    fiscalizeWithKey();
    ASSERT_EQ(rc("0504|0000"), "0000");
    EXPECT_EQ(fiscalWordOf(run("0001|0000")), "c080");
}

TEST_F(DeviceStatus, PrintFailingForPaperRaisesPrintingErrorUntilNextSuccess) {
    modify([](PrinterState& s) { s.mechanics.paper = Paper::Out; });
    const Exchange failed = run("0501|0000");
    EXPECT_EQ(code(failed), "0008");
    EXPECT_EQ(printerWordOf(failed), "4008");
    EXPECT_EQ(printerWordOf(run("0204|0000|09")), "4008"); // refused again: stays
    modify([](PrinterState& s) { s.mechanics.paper = Paper::Ok; });
    const Exchange next = run("0001|0000");
    EXPECT_EQ(printerWordOf(next), "0000");
    EXPECT_EQ(next.fields.at(0), next.status);
    EXPECT_FALSE(state().mechanics.printError);
}

TEST_F(DeviceStatus, PortStatusFromStateAppearsInTheText) {
    modify([](PrinterState& s) { s.portStatus = 5; });
    EXPECT_EQ(run("0001|0000").status.substr(4, 4), "0005");
}

} // namespace
} // namespace korva::test
