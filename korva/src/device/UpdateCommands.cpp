// The software update's state machine: 056B starts it, each stage is 0560 (open), at most one
// 0563 header before any data, 0562 data lines, 056A (close); 056C marks the last stage, and
// closing it installs the new version.
#include "Command.h"
#include "FiscalDay.h"
#include "ReturnCodes.h"
#include "UpdateLine.h"

namespace korva::cmd {
namespace {

constexpr std::size_t kMaxLine = 1014; // what fits on a command line after "0562|0000|"

bool procedureFieldOk(CommandContext& ctx) {
    if (!ctx.textField(1, 20, false)) {
        return false;
    }
    if (ctx.raw(1) != updateProcedure(ctx.state.thirdGeneration())) {
        ctx.reply.refuse(rc::UpdateWrongProcedure);
    }
    return ctx.reply.ok();
}

bool inStage(CommandContext& ctx) {
    if (!ctx.state.update.started) {
        ctx.reply.refuse(rc::UpdateNotStarted);
    } else if (!ctx.state.update.stageOpen) {
        ctx.reply.refuse(rc::NoStageOpen);
    }
    return ctx.reply.ok();
}

bool lineOk(CommandContext& ctx) {
    if (ctx.reply.ok() && !validUpdateLine(ctx.raw(1))) {
        ctx.reply.refuse(rc::BadUpdateLine);
    }
    return ctx.reply.ok();
}

} // namespace

void startUpdate(CommandContext& ctx) {
    if (!ctx.textField(1, 20, false) || !ctx.needMit() || !procedureFieldOk(ctx)) {
        return;
    }
    // Starting again abandons a transfer that was interrupted.
    ctx.state.update = UpdateState{};
    ctx.state.update.started = true;
    ctx.changed();
}

void startStage(CommandContext& ctx) {
    UpdateState& u = ctx.state.update;
    if (!u.started) {
        ctx.reply.refuse(rc::UpdateNotStarted);
    } else if (u.stageOpen) {
        ctx.reply.refuse(rc::StageAlreadyOpen);
    } else {
        u.stageOpen = true;
        u.stageHasLines = false;
        ctx.changed();
    }
}

void headerLine(CommandContext& ctx) {
    if (!ctx.textField(1, kMaxLine, false) || !inStage(ctx)) {
        return;
    }
    if (ctx.state.update.stageHasLines) {
        ctx.reply.refuse(rc::HeaderNotAtStart);
        return;
    }
    if (lineOk(ctx)) {
        ctx.state.update.stageHasLines = true;
        ctx.changed();
    }
}

void dataLine(CommandContext& ctx) {
    if (ctx.textField(1, kMaxLine, false) && inStage(ctx) && lineOk(ctx)) {
        ctx.state.update.stageHasLines = true;
        ++ctx.state.update.dataLines;
        ctx.changed();
    }
}

void endUpdate(CommandContext& ctx) {
    if (!ctx.textField(1, 20, false)) {
        return;
    }
    if (!ctx.state.update.started) {
        ctx.reply.refuse(rc::UpdateNotStarted);
        return;
    }
    if (procedureFieldOk(ctx)) {
        ctx.state.update.lastStage = true;
        ctx.changed();
    }
}

void closeStage(CommandContext& ctx) {
    if (!inStage(ctx)) {
        return;
    }
    UpdateState& u = ctx.state.update;
    u.stageOpen = false;
    ++u.stagesClosed;
    ctx.changed();
    if (u.lastStage) {
        ctx.state.version = std::string(ctx.state.modelProfile().updatedVersion);
        u = UpdateState{};
        ctx.addEvent(day::kSoftwareUpdated);
    }
}

} // namespace korva::cmd
