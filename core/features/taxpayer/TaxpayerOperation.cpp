#include "core/features/taxpayer/TaxpayerOperation.h"

#include "core/base/RequestBytes.h"
#include "core/engine/Engine.h"
#include "core/features/taxpayer/TaxpayerRecording.h"
#include "core/features/usersettings/UserSettings.h"

#include <array>

namespace morvelan::fiscal {

namespace {

using E = LibraryEntries;

// The six texts the confirmation fills, at their offsets in the request data.
struct ConfirmBuffer {
    std::size_t offset;
    std::size_t size;
};
constexpr std::array<ConfirmBuffer, 6> kConfirmBuffers = {
    {{158, 33}, {191, 21}, {212, 21}, {233, 11}, {244, 9}, {253, 9}}};

int recordOrConfirm(Engine& engine, WorkerArgument& a) {
    const std::span<const char> d = a.data;
    if (!d.empty() && d[0] == kRecordMode)
        return engine.call(&E::FiscalizeEX, textAt(d, kBareIdOffset, kBareIdWidth).c_str(),
                           textAt(d, kStateOffset, kRegistrationWidth).c_str(),
                           textAt(d, kMunicipalOffset, kRegistrationWidth).c_str(),
                           textAt(d, kPasswordOffset, kPasswordWidth).c_str(),
                           textAt(d, kTaxpayerQuantityOffset, kTaxpayerDecimalsWidth).c_str(),
                           textAt(d, kTaxpayerPriceOffset, kTaxpayerDecimalsWidth).c_str());
    std::array<std::array<char, 33>, kConfirmBuffers.size()> out{};
    const int result = engine.call(&E::Confirm_FiscalizeEX, out[0].data(), out[1].data(),
                                   out[2].data(), out[3].data(), out[4].data(), out[5].data());
    // The answers go where the request data keeps them, each within its own slot.
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto [offset, size] = kConfirmBuffers[i];
        putText(a.data, offset, bufferText(out[i].data(), size - 1), size - 1);
    }
    return result;
}

// The printer's current user, where the form and the recording checks look for it.
int readTaxpayer(Engine& engine, WorkerArgument& a) {
    char user[kUserReplySize] = {};
    int result = engine.call(&E::Obter_Dados_Usuario, user);
    if (result != 0) {
        return result;
    }
    putText(a.data, kTypedIdOffset, bufferText(user, kUserIdLength), kUserIdLength);
    putText(a.data, kStateOffset, bufferText(user + kUserStateOffset, kUserRegistrationLength),
            kUserRegistrationLength);
    putText(a.data, kMunicipalOffset,
            bufferText(user + kUserMunicipalOffset, kUserRegistrationLength),
            kUserRegistrationLength);
    // The decimals are read for the form but their answer is not a condition of the reading.
    char decimals[kDecimalsReplySize] = {};
    engine.call(&E::Obter_Casas_Decimais, decimals);
    putText(a.data, kTaxpayerQuantityOffset, bufferText(decimals, kDecimalsDigits),
            kDecimalsDigits);
    putText(a.data, kTaxpayerPriceOffset,
            bufferText(decimals + kDecimalsReplyPriceOffset, kDecimalsDigits), kDecimalsDigits);
    constexpr std::size_t kNumberLength = kUserNumberWidth - 1;
    char number[kUserNumberWidth] = {};
    result = engine.call(&E::Obter_Numero_Usuario, number);
    putText(a.data, kUserNumberOffset, bufferText(number, kNumberLength), kNumberLength);
    return result;
}

} // namespace

void registerTaxpayerOperation(Engine& engine) {
    // The second byte of the request data tells the form and the sealing sequence whether the
    // selected printer took the recording.
    engine.operations().add(
        6, 13,
        {.body = recordOrConfirm,
         .afterRun =
             [](Engine& e, std::span<char> data, int selection) {
                 if (data.size() < 2) {
                     return;
                 }
                 const bool taken = e.printerPresent[0] == 1 &&
                                    (selection == kAllPrinters || selection == 0) &&
                                    e.resultRecords[0].resultCode == 0;
                 data[1] = taken ? 0 : 1;
             },
         .leavesStepOpen =
             [](std::span<const char> data) { return !data.empty() && data[0] == kRecordMode; }});
    engine.readings().add(6, 13, readTaxpayer);
}

} // namespace morvelan::fiscal
