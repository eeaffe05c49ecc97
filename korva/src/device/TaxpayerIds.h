// Plausibility of the taxpayer's identifiers.
#pragma once

#include <string_view>

namespace korva::ids {

// A C.N.P.J (14 digits) or C.P.F (11 digits) whose two check digits are right.
bool validTaxpayerId(std::string_view digits);
// A registration (I.E, I.M) made only of blanks, ".", "0", "/" and "-" is no registration.
bool plausibleRegistration(std::string_view text);

} // namespace korva::ids
