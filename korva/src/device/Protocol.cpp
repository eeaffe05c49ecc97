#include "Protocol.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "ReturnCodes.h"
#include "StatusWords.h"

namespace korva {
namespace {

std::vector<std::string> split(std::string_view line) {
    std::vector<std::string> parts;
    parts.reserve(static_cast<std::size_t>(std::ranges::count(line, '|')) + 1);
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = line.find('|', start);
        parts.emplace_back(line.substr(start, bar - start));
        if (bar == std::string_view::npos) {
            return parts;
        }
        start = bar + 1;
    }
}

bool hexCode(std::string& code) {
    if (code.size() != 4) {
        return false;
    }
    for (char& c : code) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return false;
        }
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return true;
}

bool acceptsExtension(std::string_view extensions, std::string_view ext) {
    for (std::size_t i = 0; i + 4 <= extensions.size(); i += 5) {
        if (extensions.substr(i, 4) == ext) {
            return true;
        }
    }
    return false;
}

// An injected failure on this command code, counted down; true when it answered.
bool injectedFailure(PrinterState& state, const std::string& code, Reply& reply) {
    const auto it = state.faults.find(code);
    if (it == state.faults.end()) {
        return false;
    }
    Fault& fault = it->second;
    const bool fires = fault.remaining > 0;
    if (fires) {
        reply.refuse(fault.returnCode.empty() ? rc::TemporaryFailure : fault.returnCode);
        --fault.remaining;
    }
    if (fault.remaining <= 0) {
        state.faults.erase(it);
    }
    reply.changed = true;
    return fires;
}

Reply dispatch(PrinterState& state, std::string_view line, std::int64_t now) {
    Reply reply;
    if (line.empty() || line.size() > kMaxCommandLine) {
        reply.refuse(rc::MalformedLine);
        return reply;
    }
    std::vector<std::string> parts = split(line);
    if (parts.size() < 2 || !hexCode(parts[0]) || !hexCode(parts[1])) {
        reply.refuse(rc::MalformedLine);
        return reply;
    }
    if (injectedFailure(state, parts[0], reply)) {
        return reply;
    }
    const CommandSpec* spec = findCommand(parts[0]);
    if (spec == nullptr) {
        reply.refuse(rc::UnknownCommand);
        return reply;
    }
    if (!acceptsExtension(spec->extensions, parts[1])) {
        reply.refuse(rc::UnknownExtension);
        return reply;
    }
    if (static_cast<int>(parts.size()) - 2 != spec->fieldCount) {
        reply.refuse(rc::FieldCount);
        return reply;
    }
    CommandContext ctx{state, parts[0], parts[1], {parts.begin() + 2, parts.end()}, now, {}};
    ctx.reply.changed = reply.changed;
    spec->handler(ctx);
    return std::move(ctx.reply);
}

} // namespace

ProtocolResult runCommand(PrinterState& state, std::string_view line, std::int64_t now) {
    ProtocolResult result;
    result.reply = dispatch(state, line, now);
    Reply& reply = result.reply;
    if (!reply.ok()) {
        // A refused command answers no fields and prints nothing.
        reply.fields.clear();
        reply.printed.clear();
    } else if (state.mechanics.printError && reply.returnCode == rc::Ok) {
        state.mechanics.printError = false;
        reply.changed = true;
    }
    result.status = statusText(state, {reply.fieldError, reply.fieldNumber, reply.returnCode});
    return result;
}

} // namespace korva
