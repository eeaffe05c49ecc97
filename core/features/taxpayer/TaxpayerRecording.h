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
