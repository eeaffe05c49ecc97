// Recording the taxpayer (the printer's user) for good: the request data of 6.13, what a reading
// of the current user holds, the checks made before anything is sent, in the order the
// technician reads their messages, and the two confirmations.
#pragma once

#include "core/features/common/FormRecord.h"

#include <span>
#include <string>

namespace morvelan::fiscal {

inline constexpr std::size_t kTaxpayerRecordSize = 262;
inline constexpr char kRecordMode = 1;  // first call: the printer records and prints the data
inline constexpr char kConfirmMode = 0; // second call: the technician confirmed the printout
inline constexpr std::size_t kResultFlagOffset = 1;
// The fields of the record: the C.N.P.J as typed and without its punctuation, the registrations,
// the recording password and the two decimals; a reading adds the user number.
inline constexpr std::size_t kModeOffset = 0;
inline constexpr std::size_t kTypedIdOffset = 2, kTypedIdWidth = 19;
inline constexpr std::size_t kBareIdOffset = 21, kBareIdWidth = 19;
inline constexpr std::size_t kStateOffset = 40, kMunicipalOffset = 61, kRegistrationWidth = 21;
inline constexpr std::size_t kPasswordOffset = 82, kPasswordWidth = 9;
inline constexpr std::size_t kTaxpayerQuantityOffset = 91, kTaxpayerPriceOffset = 94,
                             kTaxpayerDecimalsWidth = 3;
inline constexpr std::size_t kUserNumberOffset = 97, kUserNumberWidth = 5;

struct TaxpayerValues {
    std::string cnpj;                  // as typed (upper case), punctuation included
    std::string stateRegistration;     // I.E
    std::string municipalRegistration; // I.M
    std::string password;              // "Senha de Gravação", passed through
    std::string quantityDecimals;      // "02" or "03"
    std::string priceDecimals;         // "02" or "03"
};

// The request data of 6.13 in `mode`: the values at their offsets, the C.N.P.J also without
// punctuation.
FormRecord taxpayerRecord(const TaxpayerValues& values, char mode);
// The values a record holds: the last values sent, or a reading of the printer's user.
TaxpayerValues taxpayerValues(std::span<const char> record);
// The user number of a reading; a printer has a user when it is above 0.
int userNumber(std::span<const char> reading);

// What reading the printer's current user before a recording found.
enum class UserCheck { ReadFailed, HasUser, NoUser };

struct RecordingCheck {
    bool refused = false;
    std::string message; // empty when only the reading failed (it has said why)
};

// Every reason not to record, collected in the order they are shown.
RecordingCheck checkRecording(const TaxpayerValues& values, UserCheck user, bool insideSequence);

std::string firstConfirmation(const TaxpayerValues& values);
std::string secondConfirmation(const TaxpayerValues& values);

inline constexpr const char* kNoUserMessage = "Não existe usuário cadastrado no ECF.";

} // namespace morvelan::fiscal
