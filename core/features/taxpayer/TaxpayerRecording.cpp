#include "core/features/taxpayer/TaxpayerRecording.h"

#include "core/features/usersettings/TaxpayerIds.h"
#include "core/features/usersettings/UserSettings.h"

#include <cstdlib>

namespace morvelan::fiscal {

namespace {
std::string dataLines(const TaxpayerValues& v) {
    std::string text = "C.N.P.J : " + v.cnpj + "\nI.E: " + v.stateRegistration;
    if (!v.municipalRegistration.empty())
        text += "\nI.M: " + v.municipalRegistration;
    if (!v.password.empty())
        text += "\nSenha: " + v.password;
    text += "\nCasas decimais - Quantidade: " + v.quantityDecimals;
    text += "\nCasas decimais - Preço Unitário: " + v.priceDecimals;
    return text;
}

constexpr const char* kLossWarning =
    "Verifique se os mesmos estão corretos, pois em contrário a MF e MFD serão perdidas!\n\n";
} // namespace

FormRecord taxpayerRecord(const TaxpayerValues& v, char mode) {
    FormRecord record(kTaxpayerRecordSize, '\0');
    record[kModeOffset] = mode;
    putRecordText(record, kTypedIdOffset, kTypedIdWidth, v.cnpj);
    putRecordText(record, kBareIdOffset, kBareIdWidth, taxpayerIdForCheck(v.cnpj));
    putRecordText(record, kStateOffset, kRegistrationWidth, v.stateRegistration);
    putRecordText(record, kMunicipalOffset, kRegistrationWidth, v.municipalRegistration);
    putRecordText(record, kPasswordOffset, kPasswordWidth, v.password);
    putRecordText(record, kTaxpayerQuantityOffset, kTaxpayerDecimalsWidth, v.quantityDecimals);
    putRecordText(record, kTaxpayerPriceOffset, kTaxpayerDecimalsWidth, v.priceDecimals);
    return record;
}

TaxpayerValues taxpayerValues(std::span<const char> record) {
    const auto text = [&](std::size_t offset, std::size_t width) {
        std::string value = recordText(record, offset, width);
        const auto last = value.find_last_not_of(' ');
        value.erase(last == std::string::npos ? 0 : last + 1);
        return value;
    };
    return {text(kTypedIdOffset, kTypedIdWidth),
            text(kStateOffset, kRegistrationWidth),
            text(kMunicipalOffset, kRegistrationWidth),
            text(kPasswordOffset, kPasswordWidth),
            text(kTaxpayerQuantityOffset, kTaxpayerDecimalsWidth),
            text(kTaxpayerPriceOffset, kTaxpayerDecimalsWidth)};
}

int userNumber(std::span<const char> reading) {
    return std::atoi(recordText(reading, kUserNumberOffset, kUserNumberWidth).c_str());
}

RecordingCheck checkRecording(const TaxpayerValues& v, UserCheck user, bool insideSequence) {
    RecordingCheck check;
    auto refuse = [&check](const char* text) {
        check.refused = true;
        check.message += text;
    };
    if (const auto decimals = decimalErrors(v.quantityDecimals, v.priceDecimals); !decimals.empty())
        refuse(decimals.c_str());
    if (user == UserCheck::ReadFailed)
        refuse("");
    else if (insideSequence && user == UserCheck::HasUser)
        refuse("Já existe usuário cadastrado no ECF.\n");
    else if (!insideSequence && user == UserCheck::NoUser)
        refuse("Não existe usuário cadastrado no ECF.\n");
    const std::string id = taxpayerIdForCheck(v.cnpj);
    if (id.empty())
        refuse("C.N.P.J em branco. Este campo é obrigatório.\n");
    else if (!checkDigitsValid(id))
        refuse("C.N.P.J Inválido!\n");
    if (v.stateRegistration.empty() && v.municipalRegistration.empty()) {
        refuse("É necessário preencher pelo menos um dos campos abaixo:\n - Inscrição Estadual.\n"
               " - Inscrição Municipal.");
        return check;
    }
    if (!v.stateRegistration.empty() && registrationInvalid(v.stateRegistration))
        refuse("Inscrição Estadual inválida.\n");
    if (!v.municipalRegistration.empty() && registrationInvalid(v.municipalRegistration))
        refuse("Inscrição Municipal inválida.\n");
    return check;
}

std::string firstConfirmation(const TaxpayerValues& v) {
    return std::string("ATENÇÃO!\n\n\nOs dados abaixo serão gravados na MF e MFD de maneira "
                       "permanente, sem possibilidade de alteração.\n") +
           kLossWarning + dataLines(v) + "\n\nDeseja realmente efetuar esta operação?";
}

std::string secondConfirmation(const TaxpayerValues& v) {
    return std::string("ATENÇÃO!\n\n\nÉ necessário confirmar novamente os dados do contribuinte.\n"
                       "Confira os dados no documento impresso pela impressora.\n") +
           kLossWarning + dataLines(v);
}

} // namespace morvelan::fiscal
