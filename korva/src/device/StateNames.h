// The words the state file gives the values of each enumeration of the state: one table a type,
// which the file is both written and read by.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "PrinterState.h"

namespace korva {

template <typename E, std::size_t N>
using StateNameTable = std::array<std::pair<E, std::string_view>, N>;

// Each table is picked by the type of the argument; its value does not matter.
constexpr StateNameTable<FiscalMode, 3> stateNames(FiscalMode) {
    return {{{FiscalMode::Manufacture, "manufacture"},
             {FiscalMode::Fiscalized, "fiscalized"},
             {FiscalMode::Blocked, "blocked"}}};
}

constexpr StateNameTable<BlockReason, 2> stateNames(BlockReason) {
    return {{{BlockReason::None, "none"},
             {BlockReason::SignatureKeyNotEnabled, "signature-key-not-enabled"}}};
}

constexpr StateNameTable<FiscalMemory, 4> stateNames(FiscalMemory) {
    return {{{FiscalMemory::Normal, "normal"},
             {FiscalMemory::RunningOut, "running-out"},
             {FiscalMemory::Full, "full"},
             {FiscalMemory::Error, "error"}}};
}

constexpr StateNameTable<Paper, 3> stateNames(Paper) {
    return {{{Paper::Ok, "ok"}, {Paper::Low, "low"}, {Paper::Out, "out"}}};
}

constexpr StateNameTable<Document, 7> stateNames(Document) {
    return {{{Document::None, "none"},
             {Document::FiscalReceipt, "fiscal-receipt"},
             {Document::CreditDebitVoucher, "credit-debit-voucher"},
             {Document::CreditDebitReversal, "credit-debit-reversal"},
             {Document::ManagerialReport, "managerial-report"},
             {Document::NonFiscalVoucher, "non-fiscal-voucher"},
             {Document::ChequeOrAuthentication, "cheque-or-authentication"}}};
}

constexpr StateNameTable<Station, 4> stateNames(Station) {
    return {{{Station::Receipt, "receipt"},
             {Station::Authentication, "authentication"},
             {Station::Cheque, "cheque"},
             {Station::Micr, "micr"}}};
}

constexpr StateNameTable<KeyState, 3> stateNames(KeyState) {
    return {
        {{KeyState::None, "none"}, {KeyState::Loaded, "loaded"}, {KeyState::Enabled, "enabled"}}};
}

template <typename E>
concept NamedInStateFile = requires(E value) {
    stateNames(value);
};

// A value outside its table has no word that would read back as that value: the state is then
// not written rather than written as another printer.
template <NamedInStateFile E> std::string_view stateName(E value) {
    for (const auto& [known, name] : stateNames(value)) {
        if (known == value) {
            return name;
        }
    }
    throw std::invalid_argument("no state file word for value " +
                                std::to_string(static_cast<long long>(value)));
}

} // namespace korva
