// Fiscalization, change of user, signature keys, new detail memory.
#include "DeviceFixture.h"

namespace korva::test {
namespace {

using DeviceFiscal = DeviceTest;

TEST_F(DeviceFiscal, RecordingChecksTheTaxpayerData) {
    EXPECT_EQ(rc("0301|0000|11222333000182|ISENTO||1|03|02"), "0e21");
    EXPECT_EQ(rc("0301|0000|11222333000181||||03|02"), "0e22");
    EXPECT_EQ(run("0301|0000|11222333000181|0.0/0|||03|02").status.substr(0, 4), "0702");
    EXPECT_EQ(run("0301|0000|11222333000181|ISENTO||1|04|02").status.substr(0, 4), "0705");
    EXPECT_EQ(run("0301|0000|11222333000181|ISENTO||123456789|03|02").status.substr(0, 4), "0704");
    EXPECT_EQ(run("0301|0000||ISENTO||1|03|02").status.substr(0, 4), "0601");
    EXPECT_FALSE(state().pendingUser.has_value());
    // A C.P.F passes, and so do fourteen zeros.
    EXPECT_EQ(rc("0301|0000|11144477735||IM1||03|03"), "0000");
    EXPECT_EQ(rc("0301|0000|00000000000000|X|||02|02"), "0000");
    EXPECT_EQ(state().pendingUser->cnpj, "00000000000000");
}

TEST_F(DeviceFiscal, ConfirmationFiscalizesAndCountsUsers) {
    EXPECT_EQ(rc("0302|0000"), "0e23");
    ASSERT_EQ(rc("0301|0000|11222333000181|ISENTO|IM7|1234|02|03"), "0000");
    EXPECT_EQ(run("0005|0000").answer(), "0"); // recorded, not yet confirmed
    const Exchange confirm = run("0302|0000");
    ASSERT_EQ(code(confirm), "0000");
    EXPECT_EQ(confirm.answer(), "11222333000181|ISENTO|IM7|1|12032026|100000");
    const PrinterState s = state();
    EXPECT_EQ(s.mode, FiscalMode::Fiscalized);
    EXPECT_EQ(s.user.number, 1);
    EXPECT_EQ(s.quantityDecimals, 2);
    EXPECT_EQ(s.priceDecimals, 3);
    EXPECT_FALSE(s.pendingUser.has_value());
    EXPECT_EQ(s.events.back().kind, 'U');
    EXPECT_EQ(rc("0302|0000"), "0e23");

    ASSERT_EQ(rc("0301|0000|11144477735|ISENTO||1|03|02"), "0000");
    ASSERT_EQ(rc("0302|0000"), "0000");
    EXPECT_EQ(run("0005|0000").answer(), "2");
}

TEST_F(DeviceFiscal, ThirdGenerationChangeOfUserNeedsANewKeyBeforeTheDay) {
    fiscalize();
    EXPECT_TRUE(state().key.required);
    EXPECT_EQ(rc("0504|0000"), "0e35");

    reset("qp-l30");
    fiscalize();
    EXPECT_FALSE(state().key.required);
    EXPECT_EQ(rc("0504|0000"), "0000");
}

TEST_F(DeviceFiscal, TheSameUserIsRefusedAndAnAlphanumericIdentifierRecorded) {
    ASSERT_EQ(rc("0301|0000|11222333000181|ISENTO|IM7|1234|02|03"), "0000");
    ASSERT_EQ(rc("0302|0000"), "0000");
    EXPECT_EQ(rc("0301|0000|11222333000181|ISENTO|IM7|1234|02|03"), "0e24");
    EXPECT_FALSE(state().pendingUser.has_value());
    // The same C.N.P.J with a new I.M is a change, not a repetition.
    EXPECT_EQ(rc("0301|0000|11222333000181|ISENTO|IM8|1234|02|03"), "0000");
    EXPECT_EQ(rc("0301|0000|12ABC34501DE35|ISENTO||1234|02|03"), "0000");
    EXPECT_EQ(rc("0301|0000|12ABC34501DE36|ISENTO||1234|02|03"), "0e21");
    EXPECT_EQ(rc("0301|0000|12abc34501de35|ISENTO||1234|02|03"), "0e21");
}

TEST_F(DeviceFiscal, KeyLoadedBeforeTheConfirmationIsTheNewUsersKey) {
    ASSERT_EQ(rc("0301|0000|11222333000181|ISENTO|IM7|1234|02|03"), "0000");
    // What a successful 0401 leaves behind, between the recording and its confirmation.
    modify([](PrinterState& s) {
        s.key.state = KeyState::Loaded;
        s.key.publicKey = "ABCDEF010001";
        s.mode = FiscalMode::Blocked;
        s.blockReason = BlockReason::SignatureKeyNotEnabled;
    });
    ASSERT_EQ(rc("0302|0000"), "0000");
    EXPECT_EQ(state().key.state, KeyState::Loaded);
    ASSERT_EQ(rc("0402|0000"), "0000");
    EXPECT_EQ(state().mode, FiscalMode::Fiscalized);
    EXPECT_EQ(state().user.number, 1);
}

TEST_F(DeviceFiscal, LoadedKeyBlocksUntilEnabled) {
    EXPECT_EQ(rc("0402|0000"), "0e34");
    EXPECT_EQ(rc("0403|0000"), "0e34");
    fiscalize();
    // What a successful 0401 leaves behind.
    modify([](PrinterState& s) {
        s.key.state = KeyState::Loaded;
        s.key.publicKey = "ABCDEF010001";
        s.mode = FiscalMode::Blocked;
        s.blockReason = BlockReason::SignatureKeyNotEnabled;
    });
    EXPECT_EQ(run("0001|0000").status.substr(12, 4), "1000");
    EXPECT_EQ(rc("0504|0000"), "0e02");
    EXPECT_EQ(run("0403|0000").answer(), "ABCDEF010001");
    ASSERT_EQ(rc("0402|0000"), "0000");
    const PrinterState s = state();
    EXPECT_EQ(s.mode, FiscalMode::Fiscalized);
    EXPECT_EQ(s.key.state, KeyState::Enabled);
    EXPECT_FALSE(s.key.required);
    EXPECT_EQ(rc("0504|0000"), "0000");
}

TEST_F(DeviceFiscal, KeyTextsAreCheckedByTheKeyRules) {
    const std::string zeros(520, '0');
#if KORVA_HAVE_KEYS
    EXPECT_EQ(rc("0401|0000|XYZ"), "0e30");
    EXPECT_EQ(rc("0401|0000|" + zeros), "0e31");
#else
    EXPECT_EQ(rc("0401|0000|" + zeros), "0e36");
#endif
    EXPECT_EQ(state().key.state, KeyState::None);
    EXPECT_EQ(state().mode, FiscalMode::Manufacture);
}

TEST_F(DeviceFiscal, NewDetailMemoryGetsTheNextSerial) {
    const std::string before = state().mfdSerial;
    ASSERT_EQ(rc("0303|0000"), "0000");
    const std::string after = state().mfdSerial;
    EXPECT_EQ(after.size(), before.size());
    EXPECT_EQ(after.back(), before.back() + 1);
    EXPECT_EQ(state().events.back().kind, 'F');
}

} // namespace
} // namespace korva::test
