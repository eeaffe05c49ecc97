#include "FiscalDay.h"

#include "PrinterClock.h"

namespace korva::day {
namespace {

constexpr int kRunningOutBelow = 30;

} // namespace

void issueDocument(CommandContext& ctx) {
    FiscalDay& d = ctx.state.day;
    d.coo = (d.coo + 1) % 1000000;
    d.lastCoo = d.coo;
    d.lastDocumentTime = ctx.now;
    ctx.changed();
}

void open(CommandContext& ctx) {
    issueDocument(ctx);
    FiscalDay& d = ctx.state.day;
    d.open = true;
    d.startDate = clock::date(ctx.now);
    d.startTime = clock::time(ctx.now);
    d.endDate = "01012000";
    d.endTime = "000000";
    d.firstCoo = d.coo;
    d.newDayAllowed = true;
    ctx.state.salesPeriodOpen = true;
    if (ctx.state.mode == FiscalMode::Fiscalized) {
        ctx.state.mit = false;
    }
    ctx.addEvent(kDayOpened);
}

void reduce(CommandContext& ctx) {
    issueDocument(ctx);
    PrinterState& s = ctx.state;
    FiscalDay& d = s.day;
    d.crz = (d.crz + 1) % 1000000;
    d.zRemaining = d.zRemaining > 0 ? d.zRemaining - 1 : 0;
    d.endDate = clock::date(ctx.now);
    d.endTime = clock::time(ctx.now);
    d.open = false;
    d.newDayAllowed = false;
    d.lastReductionDate = d.endDate;
    s.salesPeriodOpen = false;
    s.document = Document::None;
    if (d.zRemaining == 0) {
        s.fiscalMemory = FiscalMemory::Full;
    } else if (d.zRemaining < kRunningOutBelow && s.fiscalMemory == FiscalMemory::Normal) {
        s.fiscalMemory = FiscalMemory::RunningOut;
    }
    ctx.addEvent(kReduction);
}

} // namespace korva::day
