// What issuing a document, opening the day and reducing it do to the counters; shared by the
// readings and by the forced entry into technical intervention.
#pragma once

#include "Command.h"

namespace korva::day {

// Event kinds of the event log.
inline constexpr char kMitEntry = 'M';
inline constexpr char kReduction = 'Z';
inline constexpr char kDayOpened = 'A';
inline constexpr char kClockSet = 'R';
inline constexpr char kUserConfirmed = 'U';
inline constexpr char kMunicipalRegistration = 'I';
inline constexpr char kNewMfd = 'F';
inline constexpr char kKeyLoaded = 'C';
inline constexpr char kKeyEnabled = 'H';
inline constexpr char kSoftwareUpdated = 'S';

// A non-fiscal document (a reading) was printed: COO moves on.
void issueDocument(CommandContext& ctx);
// The opening X reading: the day and the sales period open.
void open(CommandContext& ctx);
// The Z reduction: closes the day. The caller has checked that a day is open.
void reduce(CommandContext& ctx);

} // namespace korva::day
