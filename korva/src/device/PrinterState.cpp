#include "PrinterState.h"

#include <stdexcept>

#include <nlohmann/json.hpp>

namespace korva {

NLOHMANN_JSON_SERIALIZE_ENUM(FiscalMode, {{FiscalMode::Manufacture, "manufacture"},
                                          {FiscalMode::Fiscalized, "fiscalized"},
                                          {FiscalMode::Blocked, "blocked"}})
NLOHMANN_JSON_SERIALIZE_ENUM(BlockReason,
                             {{BlockReason::None, "none"},
                              {BlockReason::SignatureKeyNotEnabled, "signature-key-not-enabled"}})
NLOHMANN_JSON_SERIALIZE_ENUM(FiscalMemory, {{FiscalMemory::Normal, "normal"},
                                            {FiscalMemory::RunningOut, "running-out"},
                                            {FiscalMemory::Full, "full"},
                                            {FiscalMemory::Error, "error"}})
NLOHMANN_JSON_SERIALIZE_ENUM(Paper, {{Paper::Ok, "ok"}, {Paper::Low, "low"}, {Paper::Out, "out"}})
NLOHMANN_JSON_SERIALIZE_ENUM(Document,
                             {{Document::None, "none"},
                              {Document::FiscalReceipt, "fiscal-receipt"},
                              {Document::CreditDebitVoucher, "credit-debit-voucher"},
                              {Document::CreditDebitReversal, "credit-debit-reversal"},
                              {Document::ManagerialReport, "managerial-report"},
                              {Document::NonFiscalVoucher, "non-fiscal-voucher"},
                              {Document::ChequeOrAuthentication, "cheque-or-authentication"}})
NLOHMANN_JSON_SERIALIZE_ENUM(Station, {{Station::Receipt, "receipt"},
                                       {Station::Authentication, "authentication"},
                                       {Station::Cheque, "cheque"},
                                       {Station::Micr, "micr"}})
NLOHMANN_JSON_SERIALIZE_ENUM(KeyState, {{KeyState::None, "none"},
                                        {KeyState::Loaded, "loaded"},
                                        {KeyState::Enabled, "enabled"}})

NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(User, number, cnpj, ie, im, password)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(PendingUser, cnpj, ie, im, password, quantityDecimals,
                                   priceDecimals)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(TaxRate, code, rate, total)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(NamedEntry, number, name, linked, total)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(FiscalDay, startDate, startTime, endDate, endTime, coo, crz,
                                   zRemaining, firstCoo, lastCoo, firstReceipt, lastReceipt, open,
                                   newDayAllowed, lastReductionDate, lastDocumentTime, grandTotal)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(SignatureKey, state, publicKey, required)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(Mechanics, paper, slipPaper, coverOpen, drawerOpen, offline,
                                   printError, station, awaitingRemoval, awaitingInsertion,
                                   chequeLowerSensor, chequeUpperSensor, authenticationSensor)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(Fault, remaining, returnCode)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(UpdateState, started, stageOpen, stageHasLines, lastStage,
                                   stagesClosed, dataLines)

void to_json(nlohmann::json& j, const Event& e) {
    j = {{"date", e.date},
         {"time", e.time},
         {"kind", std::string(1, e.kind)},
         {"command", e.command},
         {"sequence", e.sequence}};
}

void from_json(const nlohmann::json& j, Event& e) {
    j.at("date").get_to(e.date);
    j.at("time").get_to(e.time);
    const auto kind = j.at("kind").get<std::string>();
    if (kind.size() != 1) {
        throw std::runtime_error("event kind must be one character");
    }
    e.kind = kind[0];
    j.at("command").get_to(e.command);
    j.at("sequence").get_to(e.sequence);
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
    nlohmann::json pending = nullptr;
    if (s.pendingUser) {
        pending = *s.pendingUser;
    }
    return {
        {"version", PrinterState::kVersion},
        {"profile", s.profile},
        {"model", s.model},
        {"board", s.board},
        {"manufacturer", s.manufacturer},
        {"type", s.type},
        {"mfSerial", s.mfSerial},
        {"mfdSerial", s.mfdSerial},
        {"softwareVersion", s.version},
        {"variant", s.variant},
        {"port", s.port},
        {"portStatus", s.portStatus},
        {"serialSpeed", s.serialSpeed},
        {"pendingSerialSpeed", s.pendingSerialSpeed},
        {"microswitches", s.microswitches},
        {"mode", s.mode},
        {"blockReason", s.blockReason},
        {"mit", s.mit},
        {"fiscalMemory", s.fiscalMemory},
        {"salesPeriodOpen", s.salesPeriodOpen},
        {"document", s.document},
        {"user", s.user},
        {"pendingUser", pending},
        {"quantityDecimals", s.quantityDecimals},
        {"priceDecimals", s.priceDecimals},
        {"rounds", s.rounds},
        {"ownManufacture", s.ownManufacture},
        {"operator", s.operatorName},
        {"ecfNumber", s.ecfNumber},
        {"storeNumber", s.storeNumber},
        {"payments", s.payments},
        {"reports", s.reports},
        {"nonFiscal", s.nonFiscal},
        {"taxRates", s.taxRates},
        {"header", s.header},
        {"currency", s.currency},
        {"daylightSaving", s.daylightSaving},
        {"issqnDiscount", s.issqnDiscount},
        {"clockOffset", s.clockOffset},
        {"day", s.day},
        {"events", s.events},
        {"signatureKey", s.key},
        {"mechanics", s.mechanics},
        {"poweredOn", s.poweredOn},
        {"slowMs", s.slowMs},
        {"faults", s.faults},
        {"update", s.update},
    };
}

PrinterState fromJson(const nlohmann::json& j) {
    if (!j.is_object() || j.at("version").get<int>() != PrinterState::kVersion) {
        throw std::runtime_error("not a virtual printer state of version " +
                                 std::to_string(PrinterState::kVersion));
    }
    PrinterState s;
    j.at("profile").get_to(s.profile);
    if (findModel(s.profile) == nullptr) {
        throw std::runtime_error("unknown model profile " + s.profile);
    }
    j.at("model").get_to(s.model);
    j.at("board").get_to(s.board);
    j.at("manufacturer").get_to(s.manufacturer);
    j.at("type").get_to(s.type);
    j.at("mfSerial").get_to(s.mfSerial);
    j.at("mfdSerial").get_to(s.mfdSerial);
    j.at("softwareVersion").get_to(s.version);
    j.at("variant").get_to(s.variant);
    j.at("port").get_to(s.port);
    j.at("portStatus").get_to(s.portStatus);
    j.at("serialSpeed").get_to(s.serialSpeed);
    j.at("pendingSerialSpeed").get_to(s.pendingSerialSpeed);
    j.at("microswitches").get_to(s.microswitches);
    j.at("mode").get_to(s.mode);
    j.at("blockReason").get_to(s.blockReason);
    j.at("mit").get_to(s.mit);
    j.at("fiscalMemory").get_to(s.fiscalMemory);
    j.at("salesPeriodOpen").get_to(s.salesPeriodOpen);
    j.at("document").get_to(s.document);
    j.at("user").get_to(s.user);
    if (!j.at("pendingUser").is_null()) {
        s.pendingUser = j.at("pendingUser").get<PendingUser>();
    }
    j.at("quantityDecimals").get_to(s.quantityDecimals);
    j.at("priceDecimals").get_to(s.priceDecimals);
    j.at("rounds").get_to(s.rounds);
    j.at("ownManufacture").get_to(s.ownManufacture);
    j.at("operator").get_to(s.operatorName);
    j.at("ecfNumber").get_to(s.ecfNumber);
    j.at("storeNumber").get_to(s.storeNumber);
    j.at("payments").get_to(s.payments);
    j.at("reports").get_to(s.reports);
    j.at("nonFiscal").get_to(s.nonFiscal);
    j.at("taxRates").get_to(s.taxRates);
    j.at("header").get_to(s.header);
    if (s.header.size() != 4) {
        throw std::runtime_error("header must have four lines");
    }
    j.at("currency").get_to(s.currency);
    j.at("daylightSaving").get_to(s.daylightSaving);
    j.at("issqnDiscount").get_to(s.issqnDiscount);
    j.at("clockOffset").get_to(s.clockOffset);
    j.at("day").get_to(s.day);
    j.at("events").get_to(s.events);
    j.at("signatureKey").get_to(s.key);
    j.at("mechanics").get_to(s.mechanics);
    j.at("poweredOn").get_to(s.poweredOn);
    j.at("slowMs").get_to(s.slowMs);
    j.at("faults").get_to(s.faults);
    j.at("update").get_to(s.update);
    // An enumeration text we do not know, or a field we do not write, is not our state: the
    // round trip would silently turn it into something else.
    if (toJson(s) != j) {
        throw std::runtime_error("unknown values or fields in the state");
    }
    return s;
}

} // namespace korva
