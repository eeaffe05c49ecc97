// Every return code the virtual printer answers, and its Portuguese message.
#pragma once

#include <span>
#include <string_view>

namespace korva::rc {

// Four lower-case hexadecimal digits, as the status text carries them.
inline constexpr std::string_view Ok = "0000";
inline constexpr std::string_view UnknownCommand = "0001";
inline constexpr std::string_view UnknownExtension = "0002";
inline constexpr std::string_view FieldCount = "0003";
inline constexpr std::string_view FieldError = "0004";
inline constexpr std::string_view MalformedLine = "0005";
inline constexpr std::string_view TemporaryFailure = "0006";
inline constexpr std::string_view PaperOut = "0008";
inline constexpr std::string_view CoverOpen = "0009";

inline constexpr std::string_view PaymentMissingMkiii = "050e";
inline constexpr std::string_view PaymentMissing = "0908";
inline constexpr std::string_view TaxRateMissing = "090f";
inline constexpr std::string_view ReportMissing = "0e17";
inline constexpr std::string_view NonFiscalMissing = "0e15";

inline constexpr std::string_view NeedsMit = "0e01";
inline constexpr std::string_view PrinterBlocked = "0e02";
inline constexpr std::string_view FiscalMemoryFull = "0e03";
inline constexpr std::string_view FiscalMemoryError = "0e04";
inline constexpr std::string_view ClockBeforeLastDocument = "0e05";
inline constexpr std::string_view DayAlreadyOpen = "0e06";
inline constexpr std::string_view DayClosed = "0e07";
inline constexpr std::string_view WaitingNewDay = "0e08";
inline constexpr std::string_view AdjustmentTooLarge = "0e09";
inline constexpr std::string_view RangeInvalid = "0e0b";

inline constexpr std::string_view FixedEntry = "0e10";
inline constexpr std::string_view TableFull = "0e11";
inline constexpr std::string_view DuplicateName = "0e12";
inline constexpr std::string_view NumberOutOfRange = "0e13";
inline constexpr std::string_view NumberInUse = "0e14";

inline constexpr std::string_view NoUser = "0e20";
inline constexpr std::string_view InvalidTaxpayerId = "0e21";
inline constexpr std::string_view RegistrationMissing = "0e22";
inline constexpr std::string_view NoPendingUser = "0e23";
inline constexpr std::string_view SameUser = "0e24";

inline constexpr std::string_view KeyBadFormat = "0e30";
inline constexpr std::string_view KeyBadCrc = "0e31";
inline constexpr std::string_view KeyBadWrap = "0e32";
inline constexpr std::string_view KeyBadPrime = "0e33";
inline constexpr std::string_view NoKeyLoaded = "0e34";
inline constexpr std::string_view KeyRequired = "0e35";
inline constexpr std::string_view KeyCheckUnavailable = "0e36";

inline constexpr std::string_view UpdateWrongProcedure = "0f01";
inline constexpr std::string_view UpdateNotStarted = "0f02";
inline constexpr std::string_view StageAlreadyOpen = "0f03";
inline constexpr std::string_view NoStageOpen = "0f04";
inline constexpr std::string_view HeaderNotAtStart = "0f05";
inline constexpr std::string_view BadUpdateLine = "0f06";

struct Entry {
    std::string_view code;
    std::string_view message; // UTF-8, at most 100 characters
};

std::span<const Entry> catalogue();
// UTF-8 message of a return code (compared without regard to case); a fixed text when unknown.
std::string_view messageUtf8(std::string_view code);

} // namespace korva::rc
