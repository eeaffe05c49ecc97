// The four tables: fixed entries, numbering, and the exact codes for entries that do not exist.
#include "DeviceFixture.h"

namespace korva::test {
namespace {

using DeviceTables = DeviceTest;

TEST_F(DeviceTables, DeletingMissingEntriesAnswersTheCodesTheClearingIgnores) {
    EXPECT_EQ(rc("0204|0000|20"), "050e");
    EXPECT_EQ(rc("0208|0000|20"), "0e17");
    EXPECT_EQ(rc("0206|0000|20"), "0e15");
    EXPECT_EQ(rc("0202|0000|Tr"), "090f");
    EXPECT_EQ(rc("0202|0000|Sa"), "090f");
    reset("qp-r4100");
    EXPECT_EQ(rc("0204|0000|02"), "0908");
}

TEST_F(DeviceTables, FixedEntriesCannotBeDeletedNorRegistered) {
    EXPECT_EQ(rc("0204|0000|01"), "0e10");
    EXPECT_EQ(rc("0208|0000|01"), "0e10");
    EXPECT_EQ(rc("0206|0000|02"), "0e10");
    EXPECT_EQ(rc("0203|0000|0|01|Cheque"), "0e10");
    EXPECT_EQ(rc("0203|0000|0|05|dinheiro"), "0e10");
    EXPECT_EQ(rc("0205|0000|Sangria"), "0e10");
    EXPECT_EQ(rc("0207|0000|Configura\xe7\xe3o"), "0e10");
}

TEST_F(DeviceTables, PaymentsGoUnderTheNumberGiven) {
    EXPECT_EQ(rc("0203|0000|1|07|Cartao"), "0000");
    EXPECT_EQ(rc("0203|0000|0|07|Cheque"), "0e14");
    EXPECT_EQ(rc("0203|0000|0|08| cartao "), "0e12");
    EXPECT_EQ(rc("0203|0000|0|21|Cheque"), "0e13");
    EXPECT_EQ(rc("0204|0000|21"), "0e13");
    EXPECT_EQ(run("0203|0000|2|08|Cheque").status.substr(0, 4), "0701");
    EXPECT_EQ(run("0203|0000|0|08|").status.substr(0, 4), "0603");
    EXPECT_EQ(run("0203|0000|0|08|" + std::string(16, 'x')).status.substr(0, 4), "0703");
    const Exchange table = run("0012|0000");
    ASSERT_EQ(table.fields.size(), 20u);
    EXPECT_EQ(table.fields[6], "07Cartao         S");
    EXPECT_EQ(rc("0204|0000|07"), "0000");
    EXPECT_EQ(run("0012|0000").fields[6], "07               N");
}

TEST_F(DeviceTables, ReportsAndTotalizersTakeTheNextFreeNumber) {
    EXPECT_EQ(run("0205|0000|Vale").answer(), "03");
    EXPECT_EQ(run("0205|0000|Troco").answer(), "04");
    EXPECT_EQ(rc("0206|0000|03"), "0000");
    EXPECT_EQ(run("0205|0000|Outro").answer(), "03");
    EXPECT_EQ(rc("0205|0000|VALE"), "0000"); // "Vale" was deleted
    EXPECT_EQ(rc("0205|0000|troco"), "0e12");

    for (int n = 2; n <= 20; ++n) {
        ASSERT_EQ(run("0207|0000|R" + std::to_string(n)).answer(),
                  (n < 10 ? "0" : "") + std::to_string(n));
    }
    EXPECT_EQ(rc("0207|0000|Mais um"), "0e11");
    EXPECT_EQ(run("0014|0000").fields[19], "20R20            ");
}

TEST_F(DeviceTables, TaxRatesTakeTheNextLetterOfTheirTypeUpToEighteen) {
    EXPECT_EQ(run("0201|0000|1800|0").answer(), "Ta");
    EXPECT_EQ(run("0201|0000|0500|1").answer(), "Sa");
    EXPECT_EQ(run("0201|0000|1200|0").answer(), "Tb");
    EXPECT_EQ(rc("0202|0000|Ta"), "0000");
    EXPECT_EQ(run("0201|0000|0700|0").answer(), "Ta");
    EXPECT_EQ(run("0011|0000").answer(), "Ta0700|Tb1200|Sa0500");
    EXPECT_EQ(rc("0202|0000|Xa"), "0e13");
    EXPECT_EQ(rc("0202|0000|Ts"), "0e13");
    EXPECT_EQ(run("0201|0000|180|0").status.substr(0, 4), "0701");
    EXPECT_EQ(run("0201|0000|1800|2").status.substr(0, 4), "0702");
    for (int n = 3; n < 18; ++n) {
        ASSERT_EQ(rc("0201|0000|0100|1"), "0000");
    }
    EXPECT_EQ(state().taxRates.size(), 18u);
    EXPECT_EQ(rc("0201|0000|0100|0"), "0e11");
}

TEST_F(DeviceTables, ClearingLoopLeavesOnlyFixedEntries) {
    ASSERT_EQ(rc("0203|0000|0|03|Cheque"), "0000");
    ASSERT_EQ(rc("0207|0000|Vendas"), "0000");
    ASSERT_EQ(rc("0205|0000|Vale"), "0000");
    for (int n = 20; n >= 2; --n) {
        const std::string nn = (n < 10 ? "0" : "") + std::to_string(n);
        const std::string p = rc("0204|0000|" + nn);
        EXPECT_TRUE(p == "0000" || p == "050e") << nn;
        const std::string r = rc("0208|0000|" + nn);
        EXPECT_TRUE(r == "0000" || r == "0e17") << nn;
        if (n >= 3) {
            const std::string t = rc("0206|0000|" + nn);
            EXPECT_TRUE(t == "0000" || t == "0e15") << nn;
        }
    }
    const PrinterState s = state();
    EXPECT_EQ(s.payments.size(), 1u);
    EXPECT_EQ(s.reports.size(), 1u);
    EXPECT_EQ(s.nonFiscal.size(), 2u);
}

} // namespace
} // namespace korva::test
