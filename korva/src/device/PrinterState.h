// Everything the virtual printer remembers. Texts are UTF-8 here; the wire is Windows-1252.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "Models.h"

namespace korva {

enum class FiscalMode { Manufacture, Fiscalized, Blocked };
enum class BlockReason { None, SignatureKeyNotEnabled };
enum class FiscalMemory { Normal, RunningOut, Full, Error };
enum class Paper { Ok, Low, Out };
// Values are the document bits of the fiscal status word.
enum class Document : std::uint16_t {
    None = 0,
    FiscalReceipt = 1,
    CreditDebitVoucher = 2,
    CreditDebitReversal = 3,
    ManagerialReport = 4,
    NonFiscalVoucher = 8,
    ChequeOrAuthentication = 9,
};
// Which station the mechanism is set to (printer word bits 10 and 9).
enum class Station { Receipt, Authentication, Cheque, Micr };
enum class KeyState { None, Loaded, Enabled };

struct User {
    int number = 0;
    std::string cnpj, ie, im, password;

    bool operator==(const User&) const = default;
};

struct PendingUser {
    std::string cnpj, ie, im, password;
    int quantityDecimals = 3, priceDecimals = 2;

    bool operator==(const PendingUser&) const = default;
};

struct TaxRate {
    std::string code; // "Ta".."Tr", "Sa".."Sr"
    std::string rate; // 4 digits, two decimals implied
    std::uint64_t total = 0;

    bool operator==(const TaxRate&) const = default;
};

struct NamedEntry {
    int number = 0;
    std::string name;
    bool linked = false;     // payment methods only
    std::uint64_t total = 0; // accumulated total, or times issued for reports

    bool operator==(const NamedEntry&) const = default;
};

struct FiscalDay {
    std::string startDate = "01012000", startTime = "000000";
    std::string endDate = "01012000", endTime = "000000";
    int coo = 0, crz = 0, zRemaining = 3000;
    int firstCoo = 0, lastCoo = 0;
    int firstReceipt = 0, lastReceipt = 0;
    bool open = false;
    bool newDayAllowed = true; // cleared by a Z reduction until the date changes
    std::string lastReductionDate;
    std::int64_t lastDocumentTime = 0; // printer time (seconds since 1970) of the last document
    std::uint64_t grandTotal = 0;

    bool operator==(const FiscalDay&) const = default;
};

struct Event {
    std::string date, time; // DDMMAAAA, hhmm
    char kind = ' ';
    std::string command;
    int sequence = 0;

    bool operator==(const Event&) const = default;
};

struct SignatureKey {
    KeyState state = KeyState::None;
    std::string publicKey;
    bool required = false; // a change of user on a third-generation printer wants a new key

    bool operator==(const SignatureKey&) const = default;
};

struct Mechanics {
    Paper paper = Paper::Ok;
    Paper slipPaper = Paper::Ok; // second station: printer word bits 1 and 0
    bool coverOpen = false, drawerOpen = false, offline = false;
    bool printError = false; // a print failed for lack of paper, until the next success
    Station station = Station::Receipt;
    bool awaitingRemoval = false, awaitingInsertion = false;
    bool chequeLowerSensor = false, chequeUpperSensor = false, authenticationSensor = false;

    bool operator==(const Mechanics&) const = default;
};

struct Fault {
    int remaining = 0;
    std::string returnCode;

    bool operator==(const Fault&) const = default;
};

struct UpdateState {
    bool started = false, stageOpen = false, stageHasLines = false, lastStage = false;
    int stagesClosed = 0;
    long dataLines = 0;

    bool operator==(const UpdateState&) const = default;
};

struct PrinterState {
    static constexpr int kVersion = 1;

    std::string profile; // key of the model profile
    std::string model, board, manufacturer = "KORVA", type = "ECF-IF";
    std::string mfSerial, mfdSerial, version, variant;
    std::string port = "COM1"; // "COMn" or "USB"
    int portStatus = 0;
    int serialSpeed = 9600, pendingSerialSpeed = 9600;
    std::uint16_t microswitches = 0x0001;

    FiscalMode mode = FiscalMode::Manufacture;
    BlockReason blockReason = BlockReason::None;
    bool mit = true;
    FiscalMemory fiscalMemory = FiscalMemory::Normal;
    bool salesPeriodOpen = false;
    Document document = Document::None;

    User user;
    std::optional<PendingUser> pendingUser;
    int quantityDecimals = 3, priceDecimals = 2;
    bool rounds = false, ownManufacture = false;
    std::string operatorName;
    std::string ecfNumber = "001", storeNumber = "0001";

    std::vector<NamedEntry> payments, reports, nonFiscal;
    std::vector<TaxRate> taxRates;
    std::vector<std::string> header = {"", "", "", ""};
    std::string currency = "R$";
    bool daylightSaving = false, issqnDiscount = false;
    std::int64_t clockOffset = 0; // seconds added to the host clock

    FiscalDay day;
    std::vector<Event> events;
    SignatureKey key;
    Mechanics mechanics;
    bool poweredOn = true;
    int slowMs = 0;
    std::map<std::string, Fault> faults; // by command code, upper case
    UpdateState update;

    bool thirdGeneration() const;
    const ModelProfile& modelProfile() const;
    int lineWidth() const { return thirdGeneration() ? 56 : 40; }

    bool operator==(const PrinterState&) const = default;
};

// A printer fresh from the factory.
PrinterState freshPrinter(const ModelProfile& profile);

// Numbers the printer's fiscal memory and MFD: the service history tells printers apart by
// these serials, so every new printer of a bench needs a number of its own. Only the last 17
// (MF) and 16 (MFD) digits of `number` fit.
void numberPrinter(PrinterState& s, std::uint64_t number);

// The state as its file holds it: the document of stateText, built without its text.
nlohmann::json toJson(const PrinterState& state);
// Throws std::runtime_error (or a json exception) when the document is not a state of ours.
PrinterState fromJson(const nlohmann::json& doc);

} // namespace korva
