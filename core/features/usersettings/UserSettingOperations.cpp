#include "core/features/usersettings/UserSettingOperations.h"

#include "core/base/RequestBytes.h"
#include "core/engine/Engine.h"
#include "core/engine/LibraryCallBodies.h"
#include "core/features/usersettings/UserSettings.h"

namespace morvelan::fiscal {
namespace {

using E = LibraryEntries;
using Arg = WorkerArgument;
using bodies::oneText;

int sendDecimals(Engine& engine, Arg& a) {
    return engine.call(&E::Config_Casas_Decimais,
                       textAt(a.data, kQuantityOffset, kQuantitySendWidth).c_str(),
                       textAt(a.data, kPriceOffset, kPriceSendWidth).c_str());
}

int sendRounding(Engine& engine, Arg& a) {
    return engine.call(&E::Config_Arredonda_Trunca_Fabricacao,
                       textAt(a.data, kRoundingOffset, kRoundingLetterWidth).c_str(),
                       textAt(a.data, kOwnManufactureOffset, kRoundingLetterWidth).c_str());
}

int readOperator(Engine& engine, Arg& a) {
    char name[kOperatorLength + 1] = {};
    const int result = engine.call(&E::Obter_Operador, name);
    if (result == 0) {
        putText(a.data, 0, bufferText(name, kOperatorLength), kOperatorLength);
    }
    return result;
}

int readMunicipalRegistration(Engine& engine, Arg& a) {
    char user[kUserReplySize] = {};
    const int result = engine.call(&E::Obter_Dados_Usuario, user);
    if (result == 0) {
        putText(a.data, 0, bufferText(user + kUserMunicipalOffset, kMunicipalReadLength),
                kMunicipalReadLength);
    }
    return result;
}

int readDecimals(Engine& engine, Arg& a) {
    char text[kDecimalsReplySize] = {};
    const int result = engine.call(&E::Obter_Casas_Decimais, text);
    if (result == 0) {
        putText(a.data, kQuantityOffset, bufferText(text, kDecimalsDigits), kDecimalsDigits);
        putText(a.data, kPriceOffset, bufferText(text + kDecimalsReplyPriceOffset, kDecimalsDigits),
                kDecimalsDigits);
    }
    return result;
}

int readRounding(Engine& engine, Arg& a) {
    constexpr std::size_t kLetter = kRoundingLetterWidth - 1;
    char rounds[kRoundingLetterWidth] = {};
    char ownManufacture[kRoundingLetterWidth] = {};
    const int result = engine.call(&E::Obter_Arredonda_Trunca_Fabricacao, rounds, ownManufacture);
    if (result == 0) {
        putText(a.data, kRoundingOffset, bufferText(rounds, kLetter), kLetter);
        putText(a.data, kOwnManufactureOffset, bufferText(ownManufacture, kLetter), kLetter);
    }
    return result;
}

} // namespace

void registerUserSettingOperations(Engine& engine) {
    OperationTable& t = engine.operations();
    t.add(6, kOperatorStep, oneText<&E::Config_Operador, kOperatorLength + 1>);
    t.add(6, kMunicipalStep, oneText<&E::Config_Adiciona_IM, kMunicipalLength + 1>);
    t.add(6, kDecimalsStep, sendDecimals);
    t.add(6, kRoundingStep, sendRounding);

    OperationTable& r = engine.readings();
    r.add(6, kOperatorStep, readOperator);
    r.add(6, kMunicipalStep, readMunicipalRegistration);
    r.add(6, kDecimalsStep, readDecimals);
    r.add(6, kRoundingStep, readRounding);
}

} // namespace morvelan::fiscal
