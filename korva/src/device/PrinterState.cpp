#include "PrinterState.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

#include <nlohmann/json.hpp>

#include "JsonDocumentBuilder.h"
#include "StateFields.h"
#include "StateNames.h"

namespace korva {
namespace {

// Every number of the state is an integer its field's type holds. The JSON library converts a
// number too large for the field, or one with a fraction, without a check (undefined for a
// floating value out of range), so a number is checked against the field before it is taken; one
// that fails makes the file damaged.
template <typename T> void readField(const nlohmann::json& j, const char* key, T& field) {
    const nlohmann::json& value = j.at(key);
    if constexpr (std::is_integral_v<T> && !std::is_same_v<T, bool>) {
        if (value.is_number_unsigned() && std::in_range<T>(value.get<std::uint64_t>())) {
            field = static_cast<T>(value.get<std::uint64_t>());
        } else if (value.is_number_integer() && !value.is_number_unsigned() &&
                   std::in_range<T>(value.get<std::int64_t>())) {
            field = static_cast<T>(value.get<std::int64_t>());
        } else {
            throw std::runtime_error(std::string("field ") + key +
                                     " is not an integer its type holds");
        }
    } else {
        value.get_to(field);
    }
}

} // namespace

// A word outside the type's table is not our state.
template <NamedInStateFile E> void from_json(const nlohmann::json& j, E& value) {
    const auto& word = j.get_ref<const std::string&>();
    for (const auto& [known, name] : stateNames(value)) {
        if (name == word) {
            value = known;
            return;
        }
    }
    throw std::runtime_error("unknown value " + word);
}

// As the from_json of NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE, with every field read through
// readField. The state is written by writeState.
#define KORVA_JSON_FROM_CHECKED(v1) readField(nlohmann_json_j, #v1, nlohmann_json_t.v1);
#define KORVA_DEFINE_STATE_READER(Type, ...)                                                       \
    inline void from_json(const nlohmann::json& nlohmann_json_j, Type& nlohmann_json_t) {          \
        NLOHMANN_JSON_EXPAND(NLOHMANN_JSON_PASTE(KORVA_JSON_FROM_CHECKED, __VA_ARGS__))            \
    }

KORVA_DEFINE_STATE_READER(User, number, cnpj, ie, im, password)
KORVA_DEFINE_STATE_READER(PendingUser, cnpj, ie, im, password, quantityDecimals, priceDecimals)
KORVA_DEFINE_STATE_READER(TaxRate, code, rate, total)
KORVA_DEFINE_STATE_READER(NamedEntry, number, name, linked, total)
KORVA_DEFINE_STATE_READER(FiscalDay, startDate, startTime, endDate, endTime, coo, crz, zRemaining,
                          firstCoo, lastCoo, firstReceipt, lastReceipt, open, newDayAllowed,
                          lastReductionDate, lastDocumentTime, grandTotal)
KORVA_DEFINE_STATE_READER(SignatureKey, state, publicKey, required)
KORVA_DEFINE_STATE_READER(Mechanics, paper, slipPaper, coverOpen, drawerOpen, offline, printError,
                          station, awaitingRemoval, awaitingInsertion, chequeLowerSensor,
                          chequeUpperSensor, authenticationSensor)
KORVA_DEFINE_STATE_READER(Fault, remaining, returnCode)
KORVA_DEFINE_STATE_READER(UpdateState, started, stageOpen, stageHasLines, lastStage, stagesClosed,
                          dataLines)

void from_json(const nlohmann::json& j, Event& e) {
    j.at("date").get_to(e.date);
    j.at("time").get_to(e.time);
    const auto kind = j.at("kind").get<std::string>();
    if (kind.size() != 1) {
        throw std::runtime_error("event kind must be one character");
    }
    e.kind = kind[0];
    j.at("command").get_to(e.command);
    readField(j, "sequence", e.sequence);
}

bool PrinterState::thirdGeneration() const {
    return modelProfile().thirdGeneration;
}

const ModelProfile& PrinterState::modelProfile() const {
    const ModelProfile* p = findModel(profile);
    return p != nullptr ? *p : defaultModel();
}

void numberPrinter(PrinterState& s, std::uint64_t number) {
    const std::string prefix = std::string("KV") + (s.modelProfile().thirdGeneration ? "3" : "1");
    const auto digits = [number](std::size_t width) {
        std::string text = std::to_string(number);
        text = text.size() > width ? text.substr(text.size() - width) : text;
        return std::string(width - text.size(), '0') + text;
    };
    s.mfSerial = prefix + digits(17);
    s.mfdSerial = prefix + "D" + digits(16);
}

PrinterState freshPrinter(const ModelProfile& profile) {
    PrinterState s;
    s.profile = std::string(profile.key);
    s.model = std::string(profile.model);
    s.board = std::string(profile.board);
    s.version = std::string(profile.version);
    s.variant = std::string(profile.variant);
    numberPrinter(s, 1);
    s.payments = {{1, "Dinheiro", false, 0}};
    s.reports = {{1, "Configuração", false, 0}};
    s.nonFiscal = {{1, "Sangria", false, 0}, {2, "Fundo de Troco", false, 0}};
    return s;
}

nlohmann::json toJson(const PrinterState& s) {
    JsonDocumentBuilder document;
    writeState(document, s);
    return document.take();
}

PrinterState fromJson(const nlohmann::json& j) {
    int version = 0;
    if (j.is_object()) {
        readField(j, "version", version);
    }
    if (version != PrinterState::kVersion) {
        throw std::runtime_error("not a virtual printer state of version " +
                                 std::to_string(PrinterState::kVersion));
    }
    PrinterState s;
    readField(j, "profile", s.profile);
    if (findModel(s.profile) == nullptr) {
        throw std::runtime_error("unknown model profile " + s.profile);
    }
    readField(j, "model", s.model);
    readField(j, "board", s.board);
    readField(j, "manufacturer", s.manufacturer);
    readField(j, "type", s.type);
    readField(j, "mfSerial", s.mfSerial);
    readField(j, "mfdSerial", s.mfdSerial);
    readField(j, "softwareVersion", s.version);
    readField(j, "variant", s.variant);
    readField(j, "port", s.port);
    readField(j, "portStatus", s.portStatus);
    readField(j, "serialSpeed", s.serialSpeed);
    readField(j, "pendingSerialSpeed", s.pendingSerialSpeed);
    readField(j, "microswitches", s.microswitches);
    readField(j, "mode", s.mode);
    readField(j, "blockReason", s.blockReason);
    readField(j, "mit", s.mit);
    readField(j, "fiscalMemory", s.fiscalMemory);
    readField(j, "salesPeriodOpen", s.salesPeriodOpen);
    readField(j, "document", s.document);
    readField(j, "user", s.user);
    if (!j.at("pendingUser").is_null()) {
        s.pendingUser = j.at("pendingUser").get<PendingUser>();
    }
    readField(j, "quantityDecimals", s.quantityDecimals);
    readField(j, "priceDecimals", s.priceDecimals);
    readField(j, "rounds", s.rounds);
    readField(j, "ownManufacture", s.ownManufacture);
    readField(j, "operator", s.operatorName);
    readField(j, "ecfNumber", s.ecfNumber);
    readField(j, "storeNumber", s.storeNumber);
    readField(j, "payments", s.payments);
    readField(j, "reports", s.reports);
    readField(j, "nonFiscal", s.nonFiscal);
    readField(j, "taxRates", s.taxRates);
    readField(j, "header", s.header);
    if (s.header.size() != 4) {
        throw std::runtime_error("header must have four lines");
    }
    readField(j, "currency", s.currency);
    readField(j, "daylightSaving", s.daylightSaving);
    readField(j, "issqnDiscount", s.issqnDiscount);
    readField(j, "clockOffset", s.clockOffset);
    readField(j, "day", s.day);
    readField(j, "events", s.events);
    readField(j, "signatureKey", s.key);
    readField(j, "mechanics", s.mechanics);
    readField(j, "poweredOn", s.poweredOn);
    readField(j, "slowMs", s.slowMs);
    readField(j, "faults", s.faults);
    readField(j, "update", s.update);
    // An enumeration text we do not know, or a field we do not write, is not our state: the
    // round trip would silently turn it into something else.
    if (toJson(s) != j) {
        throw std::runtime_error("unknown values or fields in the state");
    }
    return s;
}

} // namespace korva
