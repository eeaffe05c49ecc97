// A signature key wrapped the way the program wraps it goes through the library's three key
// entry points: loaded, enabled, and its public key read back.
#include "EntryPointFixture.h"

#include "KeyWrapping.h"

namespace korva::test {
namespace {

using EntryPointKeys = EntryPointTest;

TEST_F(EntryPointKeys, LoadedKeyIsEnabledAndItsPublicKeyRead) {
    const keys::BigNum first = keytest::signaturePrime();
    const keys::BigNum second = keytest::signaturePrime();
    const std::string key =
        keytest::wrapKey(keytest::primeBytes(first.get()), keytest::primeBytes(second.get()), true);
    ASSERT_EQ(key.size(), static_cast<std::size_t>(KORVA_TAM_CHAVE_PRIVADA));

    enterMit();
    Buffer serial(33), cnpj(21), ie(21), user(11), date(9);
    ASSERT_EQ(KORVA_Set_DS_KeyEX(key.c_str(), serial.data(), cnpj.data(), ie.data(), user.data(),
                                 date.data()),
              KORVA_OK);
    Buffer data(KORVA_TAM_DADOS_IMPRESSORA);
    ASSERT_EQ(KORVA_Obter_Dados_Impressora(data.data()), KORVA_OK);
    EXPECT_EQ(serial.text(), data.all().substr(0, serial.text().size()));
    EXPECT_FALSE(serial.text().empty());
    EXPECT_EQ(user.text(), "0");
    EXPECT_EQ(date.text().size(), 8u);
    for (const Buffer* b : {&serial, &cnpj, &ie, &user, &date}) {
        EXPECT_TRUE(b->canaryIntact());
    }
    EXPECT_EQ(readState().mode, FiscalMode::Blocked) << "blocked until the key is enabled";

    ASSERT_EQ(KORVA_Enable_DS_Key(), KORVA_OK);
    EXPECT_EQ(readState().mode, FiscalMode::Manufacture);
    Buffer publicKey(KORVA_TAM_CHAVE_PUBLICA);
    ASSERT_EQ(KORVA_Get_DS_Key(publicKey.data()), KORVA_OK);
    EXPECT_FALSE(publicKey.text().empty());
    EXPECT_EQ(publicKey.text(), raw("0403|0000").text);
    EXPECT_TRUE(publicKey.canaryIntact());
}

} // namespace
} // namespace korva::test
