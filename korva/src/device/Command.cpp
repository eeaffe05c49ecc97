#include "Command.h"

#include "Cp1252.h"
#include "PrinterClock.h"
#include "ReturnCodes.h"

#include <algorithm>
#include <iterator>

namespace korva {
namespace {

constexpr std::size_t kMaxEvents = 200;

constexpr CommandSpec kCommands[] = {
    {"0001", "0000", 0, cmd::readStatus},
    {"0002", "0000", 0, cmd::readClock},
    {"0003", "0000", 0, cmd::readPrinterData},
    {"0004", "0000", 0, cmd::readUserData},
    {"0005", "0000", 0, cmd::readUserNumber},
    {"0006", "0000", 0, cmd::readDecimals},
    {"0007", "0000", 0, cmd::readHeader},
    {"0008", "0000", 0, cmd::readEcfStore},
    {"0009", "0000", 0, cmd::readCurrency},
    {"000A", "0000", 0, cmd::readDaylightSaving},
    {"000B", "0000", 0, cmd::readIssqnDiscount},
    {"000C", "0000", 0, cmd::readOperator},
    {"000D", "0000", 0, cmd::readMicroswitches},
    {"000E", "0000", 0, cmd::readFiscalDay},
    {"000F", "0000", 0, cmd::readEventLog},
    {"0010", "0000", 0, cmd::readRounding},
    {"0011", "0000", 0, cmd::readTaxRates},
    {"0012", "0000", 0, cmd::readPayments},
    {"0013", "0000", 0, cmd::readNonFiscal},
    {"0014", "0000", 0, cmd::readReports},
    {"0101", "0000", 3, cmd::setClock},
    {"0102", "0000", 0, cmd::toggleDaylightSaving},
    {"0103", "0000", 6, cmd::setHeader},
    {"0104", "0000", 1, cmd::setCurrency},
    {"0105", "0000", 1, cmd::setSerialSpeed},
    {"0106", "0000", 1, cmd::setIssqnDiscount},
    {"0107", "0000", 1, cmd::setOperator},
    {"0108", "0000", 1, cmd::addMunicipalRegistration},
    {"0109", "0000", 2, cmd::setDecimals},
    {"010A", "0000", 2, cmd::setRounding},
    {"0201", "0000", 2, cmd::addTaxRate},
    {"0202", "0000", 1, cmd::deleteTaxRate},
    {"0203", "0000", 3, cmd::addPayment},
    {"0204", "0000", 1, cmd::deletePayment},
    {"0205", "0000", 1, cmd::addNonFiscal},
    {"0206", "0000", 1, cmd::deleteNonFiscal},
    {"0207", "0000", 1, cmd::addReport},
    {"0208", "0000", 1, cmd::deleteReport},
    {"0301", "0000", 6, cmd::recordUser},
    {"0302", "0000", 0, cmd::confirmUser},
    {"0303", "0000", 0, cmd::newMfd},
    {"0401", "0000", 1, cmd::loadKey},
    {"0402", "0000", 0, cmd::enableKey},
    {"0403", "0000", 0, cmd::readPublicKey},
    {"0501", "0000", 0, cmd::readingX},
    {"0502", "0000", 3, cmd::reductionZ},
    {"0503", "0000", 3, cmd::fiscalMemoryReading},
    {"0504", "0000", 0, cmd::openDay},
    {"0505", "0000 0001 0002", 2, cmd::detailMemoryReading},
    {"0560", "0000", 0, cmd::startStage},
    {"0562", "0000", 1, cmd::dataLine},
    {"0563", "0000", 1, cmd::headerLine},
    {"0565", "0000", 0, cmd::readVariant},
    {"0566", "0000", 0, cmd::readVersion},
    {"0567", "0000", 0, cmd::readBoard},
    {"056A", "0000", 0, cmd::closeStage},
    {"056B", "0000", 1, cmd::startUpdate},
    {"056C", "0000", 1, cmd::endUpdate},
};

bool allDigits(std::string_view s) {
    for (char c : s) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

} // namespace

// Looked up for every exchange: the table is kept in the order of its codes and halved.
static_assert(std::ranges::is_sorted(kCommands, {}, &CommandSpec::code));

const CommandSpec* findCommand(std::string_view code) {
    const auto* found = std::ranges::lower_bound(kCommands, code, {}, &CommandSpec::code);
    return found != std::end(kCommands) && found->code == code ? found : nullptr;
}

std::string CommandContext::text(int n) const {
    return cp1252::toUtf8(raw(n));
}

bool CommandContext::textField(int n, std::size_t maxLength, bool allowEmpty) {
    if (!reply.ok()) {
        return false;
    }
    const std::string& f = raw(n);
    if (f.empty() && !allowEmpty) {
        reply.fieldFailure(kEmpty, n);
    } else if (f.size() > maxLength) {
        reply.fieldFailure(kMalformed, n);
    }
    return reply.ok();
}

std::optional<int> CommandContext::numberField(int n, std::size_t minDigits,
                                               std::size_t maxDigits) {
    if (!reply.ok()) {
        return std::nullopt;
    }
    const std::string& f = raw(n);
    if (f.empty()) {
        reply.fieldFailure(kEmpty, n);
        return std::nullopt;
    }
    if (f.size() < minDigits || f.size() > maxDigits || !allDigits(f)) {
        reply.fieldFailure(kMalformed, n);
        return std::nullopt;
    }
    return std::stoi(f);
}

std::optional<int> CommandContext::choiceField(int n,
                                               std::initializer_list<std::string_view> choices) {
    if (!reply.ok()) {
        return std::nullopt;
    }
    const std::string& f = raw(n);
    int index = 0;
    for (auto c : choices) {
        if (f == c) {
            return index;
        }
        ++index;
    }
    reply.fieldFailure(f.empty() ? kEmpty : kMalformed, n);
    return std::nullopt;
}

bool CommandContext::needMit() {
    if (reply.ok() && !state.mit) {
        reply.refuse(rc::NeedsMit);
    }
    return reply.ok();
}

bool CommandContext::needPaper() {
    if (!reply.ok()) {
        return false;
    }
    if (state.mechanics.coverOpen) {
        reply.refuse(rc::CoverOpen);
    } else if (state.mechanics.paper == Paper::Out) {
        reply.refuse(rc::PaperOut);
        if (!state.mechanics.printError) {
            state.mechanics.printError = true;
            changed();
        }
    }
    return reply.ok();
}

void CommandContext::addEvent(char kind) {
    const int sequence = state.events.empty() ? 1 : state.events.back().sequence + 1;
    state.events.push_back({clock::date(now), clock::hhmm(now), kind, code, sequence});
    if (state.events.size() > kMaxEvents) {
        state.events.erase(state.events.begin());
    }
    changed();
}

} // namespace korva
