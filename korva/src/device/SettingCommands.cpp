// Commands that change the printer's settings: clock, header, currency, speed and the rest.
#include "Command.h"
#include "Cp1252.h"
#include "FiscalDay.h"
#include "PrintedDocuments.h"
#include "PrinterClock.h"
#include "ReturnCodes.h"
#include "TaxpayerIds.h"

namespace korva::cmd {
namespace {

constexpr char kEsc = 27;

// The fixed setting that forces technical intervention: an open document is closed, an open day
// reduced, and the intervention's X reading printed.
void forceMit(CommandContext& ctx) {
    if (ctx.raw(1) != "01012000") {
        ctx.reply.fieldFailure(kNotEmptyOrBadDate, 1);
        return;
    }
    if (ctx.raw(2) != "000001") {
        ctx.reply.fieldFailure(kNotEmptyOrBadTime, 2);
        return;
    }
    PrinterState& s = ctx.state;
    if (s.mit || !ctx.needPaper()) {
        return;
    }
    if (s.document != Document::None) {
        s.document = Document::None;
        day::issueDocument(ctx);
    }
    if (s.day.open) {
        day::reduce(ctx);
        ctx.print(paper::reductionZ(s, ctx.now));
    }
    day::issueDocument(ctx);
    s.mit = true;
    ctx.addEvent(day::kMitEntry);
    ctx.print(paper::readingX(s, ctx.now, paper::kIntervention));
}

void setClockTo(CommandContext& ctx) {
    const auto date = clock::parseDate(ctx.raw(1));
    if (!date) {
        ctx.reply.fieldFailure(ctx.raw(1).empty() ? kEmpty : kBadDate, 1);
        return;
    }
    const auto time = clock::parseTime(ctx.raw(2));
    if (!time) {
        ctx.reply.fieldFailure(ctx.raw(2).empty() ? kEmpty : kBadTime, 2);
        return;
    }
    if (!ctx.needMit()) {
        return;
    }
    const std::int64_t target = *date + *time;
    if (ctx.state.mode != FiscalMode::Manufacture && target < ctx.state.day.lastDocumentTime) {
        ctx.reply.refuse(rc::ClockBeforeLastDocument);
        return;
    }
    ctx.state.clockOffset += target - ctx.now;
    ctx.now = target;
    ctx.addEvent(day::kClockSet);
}

// A header line: its printed text fits the line width; an attribute prefix (ESC and a character
// from 32 to 63) does not print.
bool headerLineOk(std::string_view line, int width) {
    std::size_t printed = line.size();
    if (!line.empty() && line[0] == kEsc) {
        if (line.size() < 2 || line[1] < 32 || line[1] > 63) {
            return false;
        }
        printed -= 2;
    }
    return printed <= static_cast<std::size_t>(width) && line.size() <= 56;
}

} // namespace

void setClock(CommandContext& ctx) {
    const auto mode = ctx.choiceField(3, {"0", "1"});
    if (!mode) {
        return;
    }
    if (*mode == 0) {
        forceMit(ctx);
    } else {
        setClockTo(ctx);
    }
}

void toggleDaylightSaving(CommandContext& ctx) {
    PrinterState& s = ctx.state;
    s.daylightSaving = !s.daylightSaving;
    s.clockOffset += s.daylightSaving ? 3600 : -3600;
    ctx.changed();
    ctx.reply.fields = {s.daylightSaving ? "1" : "0"};
}

void setHeader(CommandContext& ctx) {
    for (int n = 1; n <= 4; ++n) {
        if (!ctx.textField(n, 56, n != 1)) {
            return;
        }
        if (!headerLineOk(ctx.raw(n), ctx.state.lineWidth())) {
            ctx.reply.fieldFailure(kMalformed, n);
            return;
        }
    }
    const auto ecf = ctx.numberField(5, 3, 3);
    const auto store = ctx.numberField(6, 4, 4);
    if (!ecf || !store) {
        return;
    }
    if (*ecf == 0) {
        ctx.reply.fieldFailure(kMalformed, 5);
        return;
    }
    if (!ctx.needMit()) {
        return;
    }
    for (int n = 1; n <= 4; ++n) {
        ctx.state.header[static_cast<std::size_t>(n - 1)] = ctx.text(n);
    }
    ctx.state.ecfNumber = ctx.raw(5);
    ctx.state.storeNumber = ctx.raw(6);
    ctx.changed();
}

void setCurrency(CommandContext& ctx) {
    if (!ctx.textField(1, 4, false) || !ctx.needMit()) {
        return;
    }
    ctx.state.currency = ctx.text(1);
    // A new currency makes the grand total meaningless.
    ctx.state.day.grandTotal = 0;
    ctx.changed();
}

void setSerialSpeed(CommandContext& ctx) {
    if (ctx.choiceField(1, {"9600", "19200", "38400"}) && ctx.needMit()) {
        // Takes effect when the printer is switched on again.
        ctx.state.pendingSerialSpeed = std::stoi(ctx.raw(1));
        ctx.changed();
    }
}

void setIssqnDiscount(CommandContext& ctx) {
    if (const auto v = ctx.choiceField(1, {"0", "1"}); v && ctx.needMit()) {
        ctx.state.issqnDiscount = *v == 1;
        ctx.changed();
    }
}

void setOperator(CommandContext& ctx) {
    if (ctx.textField(1, 20, false)) {
        ctx.state.operatorName = ctx.text(1);
        ctx.changed();
    }
}

void addMunicipalRegistration(CommandContext& ctx) {
    if (!ctx.textField(1, 20, false)) {
        return;
    }
    if (!ids::plausibleRegistration(ctx.raw(1))) {
        ctx.reply.fieldFailure(kMalformed, 1);
        return;
    }
    if (!ctx.needMit()) {
        return;
    }
    if (ctx.state.user.number == 0) {
        ctx.reply.refuse(rc::NoUser);
        return;
    }
    ctx.state.user.im = ctx.text(1);
    ctx.addEvent(day::kMunicipalRegistration);
}

void setDecimals(CommandContext& ctx) {
    int values[2] = {0, 0};
    for (int n = 1; n <= 2; ++n) {
        const auto v = ctx.numberField(n, 1, 3);
        if (!v) {
            return;
        }
        if (*v != 2 && *v != 3) {
            ctx.reply.fieldFailure(kMalformed, n);
            return;
        }
        values[n - 1] = *v;
    }
    if (!ctx.needMit()) {
        return;
    }
    ctx.state.quantityDecimals = values[0];
    ctx.state.priceDecimals = values[1];
    ctx.changed();
}

void setRounding(CommandContext& ctx) {
    const auto rounding = ctx.choiceField(1, {"A", "T"});
    const auto own = ctx.choiceField(2, {"S", "N"});
    if (rounding && own && ctx.needMit()) {
        ctx.state.rounds = *rounding == 0;
        ctx.state.ownManufacture = *own == 0;
        ctx.changed();
    }
}

} // namespace korva::cmd
