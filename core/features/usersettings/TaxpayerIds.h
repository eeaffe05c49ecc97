// The checks on the taxpayer's identifiers that the taxpayer form makes before anything is sent:
// the two check digits of a C.N.P.J or C.P.F, and the plausibility of a state (I.E) or municipal
// (I.M) registration. No Qt; texts are UTF-8 (the identifiers themselves are ASCII).
//
// How the taxpayer form uses them:
//   const std::string id = taxpayerIdForCheck(typedText);  // "11.222.333/0001-81" ->
//   "11222333000181" if (id.empty())                         -> "C.N.P.J em branco. ..." else if
//   (!checkDigitsValid(id))         -> "C.N.P.J Inválido!\n" if (!ie.empty() &&
//   registrationInvalid(ie)) -> "Inscrição Estadual inválida.\n" (same for I.M)
#pragma once

#include <string>
#include <string_view>

namespace morvelan::fiscal {

// The text the check digits are judged on: the typed C.N.P.J or C.P.F without the blanks around
// it and without ".", "/" and "-", its letters in upper case (the official form of the
// alphanumeric C.N.P.J, which is also what goes to the printer). Letters are never dropped.
std::string taxpayerIdForCheck(std::string_view typed);

// Whether `digits` (punctuation already removed) ends in its two right check digits.
//   - 11 characters: a C.P.F; its first 9 characters give the digits, weights 2, 3, 4, ... from
//     the right.
//   - any other length: a C.N.P.J; its first 12 characters give the digits, weights 2 to 9 from
//     the right and again from 2. A text of another length than 14 therefore never passes.
// Each character counts as its code minus the code of "0", so the letters of an alphanumeric
// C.N.P.J ("12ABC34501DE35") count 17 to 42; remainder r of the sum by 11 gives the digit "0"
// for r 0 or 1, otherwise 11 - r. The second digit is computed over the first plus the first
// digit. A C.N.P.J holds only digits and upper-case letters, with two digits at the end; a C.P.F
// only digits. Anything else is not valid.
bool checkDigitsValid(std::string_view digits);

// An I.E or I.M that is not empty yet made only of blanks, ".", "0", "/" and "-" is no
// registration. An empty text is not judged here (the form asks for at least one of the two).
bool registrationInvalid(std::string_view registration);

} // namespace morvelan::fiscal
