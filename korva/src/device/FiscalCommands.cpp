// Fiscalization (recording and confirming the user), a new detail memory, signature keys.
#include "Command.h"
#include "FiscalDay.h"
#include "PrintedDocuments.h"
#include "PrinterClock.h"
#include "ReturnCodes.h"
#include "TaxpayerIds.h"

#if KORVA_HAVE_KEYS
#include "SignatureKeys.h"
#endif

namespace korva::cmd {
namespace {

std::optional<int> decimalsField(CommandContext& ctx, int n) {
    const auto v = ctx.numberField(n, 2, 2);
    if (v && *v != 2 && *v != 3) {
        ctx.reply.fieldFailure(kMalformed, n);
        return std::nullopt;
    }
    return v;
}

std::string_view keyCheckCode(bool thirdGeneration, std::string_view keyText,
                              std::string& publicKey) {
#if KORVA_HAVE_KEYS
    using keys::KeyCheck;
    const keys::UnwrappedKey key = keys::unwrapSignatureKey(keyText, thirdGeneration);
    switch (key.check) {
    case KeyCheck::Ok:
        publicKey = key.publicKeyText;
        return rc::Ok;
    case KeyCheck::BadFormat:
        return rc::KeyBadFormat;
    case KeyCheck::BadCrc:
        return rc::KeyBadCrc;
    case KeyCheck::BadWrap:
        return rc::KeyBadWrap;
    case KeyCheck::BadPrime:
        return rc::KeyBadPrime;
    }
    return rc::KeyBadFormat;
#else
    (void)thirdGeneration;
    (void)keyText;
    (void)publicKey;
    return rc::KeyCheckUnavailable;
#endif
}

} // namespace

void recordUser(CommandContext& ctx) {
    ctx.textField(1, 14, false);
    ctx.textField(2, 20, true);
    ctx.textField(3, 20, true);
    ctx.textField(4, 8, true);
    const auto quantity = decimalsField(ctx, 5);
    const auto price = decimalsField(ctx, 6);
    if (!quantity || !price) {
        return;
    }
    for (int n = 2; n <= 3; ++n) {
        if (!ctx.raw(n).empty() && !ids::plausibleRegistration(ctx.raw(n))) {
            ctx.reply.fieldFailure(kMalformed, n);
            return;
        }
    }
    if (!ctx.needMit()) {
        return;
    }
    if (!ids::validTaxpayerId(ctx.raw(1))) {
        ctx.reply.refuse(rc::InvalidTaxpayerId);
        return;
    }
    if (ctx.raw(2).empty() && ctx.raw(3).empty()) {
        ctx.reply.refuse(rc::RegistrationMissing);
        return;
    }
    const User& current = ctx.state.user;
    if (current.number > 0 && current.cnpj == ctx.raw(1) && current.ie == ctx.text(2) &&
        current.im == ctx.text(3)) {
        ctx.reply.refuse(rc::SameUser);
        return;
    }
    // The recording prints the data for the technician to check before confirming them.
    if (!ctx.needPaper()) {
        return;
    }
    ctx.state.pendingUser =
        PendingUser{ctx.raw(1), ctx.text(2), ctx.text(3), ctx.text(4), *quantity, *price};
    ctx.changed();
    ctx.print(paper::userRecording(ctx.state, ctx.now, *ctx.state.pendingUser));
}

void confirmUser(CommandContext& ctx) {
    PrinterState& s = ctx.state;
    if (!s.pendingUser) {
        ctx.reply.refuse(rc::NoPendingUser);
        return;
    }
    const PendingUser p = *s.pendingUser;
    s.pendingUser.reset();
    s.user = {s.user.number + 1, p.cnpj, p.ie, p.im, p.password};
    s.quantityDecimals = p.quantityDecimals;
    s.priceDecimals = p.priceDecimals;
    if (s.mode != FiscalMode::Blocked) {
        s.mode = FiscalMode::Fiscalized;
    }
    // The documents of the new user must be signed with a key of its own. A key loaded while
    // the recording waited for its confirmation is that key, waiting to be enabled.
    if (s.thirdGeneration() && s.key.state != KeyState::Loaded) {
        s.key = {KeyState::None, "", true};
    }
    ctx.addEvent(day::kUserConfirmed);
    ctx.reply.fields = {
        s.user.cnpj,          s.user.ie,           s.user.im, std::to_string(s.user.number),
        clock::date(ctx.now), clock::time(ctx.now)};
}

void newMfd(CommandContext& ctx) {
    if (!ctx.needMit()) {
        return;
    }
    std::string& serial = ctx.state.mfdSerial;
    // The serial's trailing digits count the detail memories of this printer.
    for (auto it = serial.rbegin(); it != serial.rend() && *it >= '0' && *it <= '9'; ++it) {
        if (*it != '9') {
            ++*it;
            break;
        }
        *it = '0';
    }
    ctx.addEvent(day::kNewMfd);
}

void loadKey(CommandContext& ctx) {
    if (!ctx.textField(1, 1024, false) || !ctx.needMit()) {
        return;
    }
    PrinterState& s = ctx.state;
    std::string publicKey;
    const std::string_view code = keyCheckCode(s.thirdGeneration(), ctx.raw(1), publicKey);
    if (code != rc::Ok) {
        ctx.reply.refuse(code);
        return;
    }
    s.key.state = KeyState::Loaded;
    s.key.publicKey = publicKey;
    s.mode = FiscalMode::Blocked;
    s.blockReason = BlockReason::SignatureKeyNotEnabled;
    ctx.addEvent(day::kKeyLoaded);
    ctx.reply.fields = {s.mfSerial, s.user.cnpj, s.user.ie, std::to_string(s.user.number),
                        clock::date(ctx.now)};
}

void enableKey(CommandContext& ctx) {
    PrinterState& s = ctx.state;
    if (s.key.state == KeyState::None) {
        ctx.reply.refuse(rc::NoKeyLoaded);
        return;
    }
    s.key.state = KeyState::Enabled;
    s.key.required = false;
    if (s.mode == FiscalMode::Blocked && s.blockReason == BlockReason::SignatureKeyNotEnabled) {
        s.mode = s.user.number > 0 ? FiscalMode::Fiscalized : FiscalMode::Manufacture;
        s.blockReason = BlockReason::None;
    }
    ctx.addEvent(day::kKeyEnabled);
}

void readPublicKey(CommandContext& ctx) {
    if (ctx.state.key.state == KeyState::None) {
        ctx.reply.refuse(rc::NoKeyLoaded);
        return;
    }
    ctx.reply.fields = {ctx.state.key.publicKey};
}

} // namespace korva::cmd
