// What a command handler sees and answers. Handlers live in *Commands.cpp, one file per group
// of the command table; they change the state and fill the reply, nothing else.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "PrinterState.h"

namespace korva {

struct Reply {
    std::string returnCode = "0000";
    int fieldError = 0;
    int fieldNumber = 0;
    std::vector<std::string> fields;  // UTF-8
    bool changed = false;             // the state must be written back
    std::vector<std::string> printed; // documents printed, laid out for the paper roll (UTF-8)

    bool ok() const { return returnCode == "0000"; }
    void refuse(std::string_view code) { returnCode = std::string(code); }
    void fieldFailure(int error, int number) {
        fieldError = error;
        fieldNumber = number;
        returnCode = "0004";
    }
};

// Field error codes of the status text.
enum FieldErrorCode : int {
    kMissing = 0x01,
    kBadDate = 0x02,
    kBadTime = 0x03,
    kNotEmptyOrBadDate = 0x04,
    kNotEmptyOrBadTime = 0x05,
    kEmpty = 0x06,
    kMalformed = 0x07,
};

struct CommandContext {
    PrinterState& state;
    std::string code;                // upper case
    std::string extension;           // upper case
    std::vector<std::string> fields; // as received, Windows-1252
    std::int64_t now = 0;            // printer clock, seconds
    Reply reply;

    // Field `n` (from 1) converted to UTF-8.
    std::string text(int n) const;
    const std::string& raw(int n) const { return fields.at(static_cast<std::size_t>(n - 1)); }

    // Checks that record a field error in the reply and answer false (or nullopt). Each is a
    // no-op answering false once the reply already failed, so checks can be chained.
    bool textField(int n, std::size_t maxLength, bool allowEmpty);
    std::optional<int> numberField(int n, std::size_t minDigits, std::size_t maxDigits);
    std::optional<int> choiceField(int n, std::initializer_list<std::string_view> choices);

    // Refuses with NeedsMit when not in technical intervention.
    bool needMit();
    // Refuses a printing command: cover open, or paper out (which also raises the printing
    // error bit until the next successful command).
    bool needPaper();
    void addEvent(char kind);
    void changed() { reply.changed = true; }
    // A document that went to paper; call it after the state holds what the document shows.
    void print(std::string document) { reply.printed.push_back(std::move(document)); }
};

using Handler = void (*)(CommandContext&);

struct CommandSpec {
    std::string_view code;
    std::string_view extensions; // accepted extensions, separated by blanks
    int fieldCount;
    Handler handler;
};

const CommandSpec* findCommand(std::string_view code);

// The handlers, by group.
namespace cmd {
void readStatus(CommandContext&);
void readClock(CommandContext&);
void readPrinterData(CommandContext&);
void readUserData(CommandContext&);
void readUserNumber(CommandContext&);
void readDecimals(CommandContext&);
void readHeader(CommandContext&);
void readEcfStore(CommandContext&);
void readCurrency(CommandContext&);
void readDaylightSaving(CommandContext&);
void readIssqnDiscount(CommandContext&);
void readOperator(CommandContext&);
void readMicroswitches(CommandContext&);
void readFiscalDay(CommandContext&);
void readEventLog(CommandContext&);
void readRounding(CommandContext&);
void readTaxRates(CommandContext&);
void readPayments(CommandContext&);
void readNonFiscal(CommandContext&);
void readReports(CommandContext&);
void readVariant(CommandContext&);
void readVersion(CommandContext&);
void readBoard(CommandContext&);

void setClock(CommandContext&);
void toggleDaylightSaving(CommandContext&);
void setHeader(CommandContext&);
void setCurrency(CommandContext&);
void setSerialSpeed(CommandContext&);
void setIssqnDiscount(CommandContext&);
void setOperator(CommandContext&);
void addMunicipalRegistration(CommandContext&);
void setDecimals(CommandContext&);
void setRounding(CommandContext&);

void addTaxRate(CommandContext&);
void deleteTaxRate(CommandContext&);
void addPayment(CommandContext&);
void deletePayment(CommandContext&);
void addNonFiscal(CommandContext&);
void deleteNonFiscal(CommandContext&);
void addReport(CommandContext&);
void deleteReport(CommandContext&);

void recordUser(CommandContext&);
void confirmUser(CommandContext&);
void newMfd(CommandContext&);
void loadKey(CommandContext&);
void enableKey(CommandContext&);
void readPublicKey(CommandContext&);

void readingX(CommandContext&);
void reductionZ(CommandContext&);
void fiscalMemoryReading(CommandContext&);
void openDay(CommandContext&);
void detailMemoryReading(CommandContext&);

void startStage(CommandContext&);
void dataLine(CommandContext&);
void headerLine(CommandContext&);
void closeStage(CommandContext&);
void startUpdate(CommandContext&);
void endUpdate(CommandContext&);
} // namespace cmd

} // namespace korva
