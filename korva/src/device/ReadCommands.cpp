// Commands that only read the state.
#include <algorithm>
#include <cstdio>

#include "Command.h"
#include "Cp1252.h"
#include "PrinterClock.h"
#include "StatusWords.h"

namespace korva::cmd {
namespace {

std::string number(int value, int width) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

std::string flag(bool value, const char* yes = "1", const char* no = "0") {
    return value ? yes : no;
}

// Twenty fields, one per number, blank names where nothing is registered.
void numberedTable(CommandContext& ctx, const std::vector<NamedEntry>& table, bool withLink) {
    for (int n = 1; n <= 20; ++n) {
        const auto it = std::ranges::find(table, n, &NamedEntry::number);
        const bool found = it != table.end();
        std::string field = number(n, 2) + cp1252::fit(found ? it->name : "", 15);
        if (withLink) {
            field += found && it->linked ? "S" : "N";
        }
        ctx.reply.fields.push_back(std::move(field));
    }
}

} // namespace

void readStatus(CommandContext& ctx) {
    // The answer is this exchange's own status: being a success, it ends a printing error.
    PrinterState after = ctx.state;
    after.mechanics.printError = false;
    ctx.reply.fields.push_back(statusText(after, {}));
}

void readClock(CommandContext& ctx) {
    ctx.reply.fields = {clock::date(ctx.now), clock::time(ctx.now)};
}

void readPrinterData(CommandContext& ctx) {
    const PrinterState& s = ctx.state;
    ctx.reply.fields = {s.mfSerial, s.mfdSerial, s.manufacturer, s.model, s.type, s.version};
}

void readUserData(CommandContext& ctx) {
    const User& u = ctx.state.user;
    ctx.reply.fields = {u.cnpj, u.ie, u.im};
}

void readUserNumber(CommandContext& ctx) {
    ctx.reply.fields = {std::to_string(ctx.state.user.number)};
}

void readDecimals(CommandContext& ctx) {
    ctx.reply.fields = {number(ctx.state.quantityDecimals, 2), number(ctx.state.priceDecimals, 2)};
}

void readHeader(CommandContext& ctx) {
    ctx.reply.fields = ctx.state.header;
}

void readEcfStore(CommandContext& ctx) {
    ctx.reply.fields = {ctx.state.ecfNumber, ctx.state.storeNumber};
}

void readCurrency(CommandContext& ctx) {
    ctx.reply.fields = {ctx.state.currency};
}

void readDaylightSaving(CommandContext& ctx) {
    ctx.reply.fields = {flag(ctx.state.daylightSaving)};
}

void readIssqnDiscount(CommandContext& ctx) {
    ctx.reply.fields = {flag(ctx.state.issqnDiscount, "S", "N")};
}

void readOperator(CommandContext& ctx) {
    ctx.reply.fields = {ctx.state.operatorName};
}

void readMicroswitches(CommandContext& ctx) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", ctx.state.microswitches);
    ctx.reply.fields = {text};
}

void readFiscalDay(CommandContext& ctx) {
    const FiscalDay& d = ctx.state.day;
    const bool limitReached =
        d.open && clock::parseDate(d.startDate).value_or(0) + 86400 <= ctx.now - ctx.now % 86400;
    const bool newDayAllowed = d.newDayAllowed || clock::date(ctx.now) != d.lastReductionDate;
    ctx.reply.fields = {d.startDate,
                        d.startTime,
                        d.endDate,
                        d.endTime,
                        number(d.firstCoo, 6),
                        number(d.lastCoo, 6),
                        number(d.crz, 6),
                        number(d.zRemaining, 6),
                        number(d.firstReceipt, 6),
                        number(d.lastReceipt, 6),
                        flag(d.open),
                        flag(limitReached),
                        flag(newDayAllowed && !d.open)};
}

void readEventLog(CommandContext& ctx) {
    const auto& events = ctx.state.events;
    const std::size_t count = std::min<std::size_t>(events.size(), 10);
    for (std::size_t i = 0; i < count; ++i) {
        const Event& e = events[events.size() - 1 - i];
        ctx.reply.fields.push_back(e.date + e.time + std::string(1, e.kind) + "0000" +
                                   number(e.sequence % 100000, 5) + e.command + "0");
    }
}

void readRounding(CommandContext& ctx) {
    ctx.reply.fields = {flag(ctx.state.rounds, "S", "N"), flag(ctx.state.ownManufacture, "S", "N")};
}

void readTaxRates(CommandContext& ctx) {
    std::vector<TaxRate> rates = ctx.state.taxRates;
    // ICMS ("T") before ISSQN ("S"), each by position letter.
    const auto order = [](const TaxRate& r) {
        return std::pair(r.code.starts_with('S'), r.code.size() > 1 ? r.code[1] : '\0');
    };
    std::ranges::sort(rates, {}, order);
    for (const auto& r : rates) {
        ctx.reply.fields.push_back(r.code + r.rate);
    }
}

void readPayments(CommandContext& ctx) {
    numberedTable(ctx, ctx.state.payments, true);
}
void readNonFiscal(CommandContext& ctx) {
    numberedTable(ctx, ctx.state.nonFiscal, false);
}
void readReports(CommandContext& ctx) {
    numberedTable(ctx, ctx.state.reports, false);
}

void readVariant(CommandContext& ctx) {
    ctx.reply.fields = {"VARIANTE" + ctx.state.variant};
}
void readVersion(CommandContext& ctx) {
    ctx.reply.fields = {ctx.state.version};
}
void readBoard(CommandContext& ctx) {
    ctx.reply.fields = {ctx.state.board};
}

} // namespace korva::cmd
