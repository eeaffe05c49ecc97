// Printed fiscal readings: LX, RZ, fiscal memory and detail memory readings, opening of the day.
#include <cstdlib>

#include "Command.h"
#include "FiscalDay.h"
#include "PrintedDocuments.h"
#include "PrinterClock.h"
#include "ReturnCodes.h"

namespace korva::cmd {
namespace {

constexpr std::int64_t kMaxAdjustment = 5 * 60;

// Start and end of a range, as counters or as DDMMAAAA dates; nullopt after a field error.
std::optional<std::pair<std::int64_t, std::int64_t>> rangeFields(CommandContext& ctx, bool byDate) {
    std::int64_t bounds[2] = {0, 0};
    for (int n = 1; n <= 2; ++n) {
        if (byDate) {
            const auto date = clock::parseDate(ctx.raw(n));
            if (!date) {
                ctx.reply.fieldFailure(ctx.raw(n).empty() ? kEmpty : kBadDate, n);
                return std::nullopt;
            }
            bounds[n - 1] = *date;
        } else {
            const auto value = ctx.numberField(n, 1, 6);
            if (!value) {
                return std::nullopt;
            }
            bounds[n - 1] = *value;
        }
    }
    return std::pair(bounds[0], bounds[1]);
}

// What a command that records fiscal data needs from the fiscal memory and the mode.
bool fiscalWorkAllowed(CommandContext& ctx) {
    const PrinterState& s = ctx.state;
    if (!ctx.reply.ok()) {
        return false;
    }
    if (s.mode == FiscalMode::Blocked) {
        ctx.reply.refuse(rc::PrinterBlocked);
    } else if (s.fiscalMemory == FiscalMemory::Full) {
        ctx.reply.refuse(rc::FiscalMemoryFull);
    } else if (s.fiscalMemory == FiscalMemory::Error) {
        ctx.reply.refuse(rc::FiscalMemoryError);
    }
    return ctx.reply.ok();
}

// Prints the reading of a range; `layout` lays the document out once COO has moved on.
template <typename Layout> void printRange(CommandContext& ctx, bool byDate, Layout layout) {
    const auto range = rangeFields(ctx, byDate);
    if (!range) {
        return;
    }
    if (range->first > range->second) {
        ctx.reply.refuse(rc::RangeInvalid);
        return;
    }
    if (ctx.needPaper()) {
        day::issueDocument(ctx);
        ctx.print(layout(paper::Range{ctx.text(1), ctx.text(2), ""}));
    }
}

void applyDaylightAction(PrinterState& s, int action) {
    const bool wanted = action == 2 ? s.daylightSaving : action == 1;
    if (wanted != s.daylightSaving) {
        s.daylightSaving = wanted;
        s.clockOffset += wanted ? 3600 : -3600;
    }
}

} // namespace

void readingX(CommandContext& ctx) {
    if (ctx.needPaper()) {
        day::issueDocument(ctx);
        ctx.print(paper::readingX(ctx.state, ctx.now, ""));
    }
}

void reductionZ(CommandContext& ctx) {
    const std::string& date = ctx.raw(1);
    const std::string& time = ctx.raw(2);
    std::optional<std::int64_t> target;
    if (date.empty() != time.empty()) {
        ctx.reply.fieldFailure(kEmpty, date.empty() ? 1 : 2);
        return;
    }
    if (!date.empty()) {
        const auto d = clock::parseDate(date);
        const auto t = clock::parseTime(time);
        if (!d || !t) {
            ctx.reply.fieldFailure(d ? kBadTime : kBadDate, d ? 2 : 1);
            return;
        }
        target = *d + *t;
    }
    const auto action = ctx.choiceField(3, {"0", "1", "2"});
    if (!action || !fiscalWorkAllowed(ctx)) {
        return;
    }
    if (!ctx.state.day.open) {
        ctx.reply.refuse(rc::DayClosed);
        return;
    }
    if (target && std::llabs(*target - ctx.now) > kMaxAdjustment) {
        ctx.reply.refuse(rc::AdjustmentTooLarge);
        return;
    }
    if (!ctx.needPaper()) {
        return;
    }
    day::reduce(ctx);
    ctx.print(paper::reductionZ(ctx.state, ctx.now));
    if (target) {
        ctx.state.clockOffset += *target - ctx.now;
    }
    applyDaylightAction(ctx.state, *action);
}

void fiscalMemoryReading(CommandContext& ctx) {
    const auto mode = ctx.choiceField(3, {"4", "5", "6", "7"});
    if (mode) {
        // Modes 5 and 7 take dates, 4 and 6 reduction counters; 6 and 7 are simplified.
        const bool byDate = *mode % 2 == 1;
        printRange(ctx, byDate, [&](paper::Range range) {
            range.kind = byDate ? "DATA" : "CRZ";
            return paper::fiscalMemoryReading(ctx.state, ctx.now, *mode >= 2, range);
        });
    }
}

void openDay(CommandContext& ctx) {
    const PrinterState& s = ctx.state;
    if (!fiscalWorkAllowed(ctx)) {
        return;
    }
    if (s.mode == FiscalMode::Fiscalized && s.key.required) {
        ctx.reply.refuse(rc::KeyRequired);
    } else if (s.day.open) {
        ctx.reply.refuse(rc::DayAlreadyOpen);
    } else if (!s.day.newDayAllowed && clock::date(ctx.now) == s.day.lastReductionDate) {
        ctx.reply.refuse(rc::WaitingNewDay);
    } else if (ctx.needPaper()) {
        day::open(ctx);
        ctx.print(paper::readingX(ctx.state, ctx.now, paper::kOpeningDay));
    }
}

void detailMemoryReading(CommandContext& ctx) {
    // Extension 0000 counts COO, 0001 dates, 0002 reduction counters.
    const std::string_view kind = ctx.extension == "0001"   ? "DATA"
                                  : ctx.extension == "0002" ? "CRZ"
                                                            : "COO";
    printRange(ctx, kind == "DATA", [&](paper::Range range) {
        range.kind = kind;
        return paper::detailMemoryReading(ctx.state, ctx.now, range);
    });
}

} // namespace korva::cmd
