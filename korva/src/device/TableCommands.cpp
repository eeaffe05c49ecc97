// The four tables: tax rates, payment methods, non-fiscal totalizers, managerial reports.
#include <algorithm>
#include <cctype>
#include <cstdio>

#include "Command.h"
#include "ReturnCodes.h"

namespace korva::cmd {
namespace {

constexpr int kTableSize = 20;
constexpr std::size_t kMaxTaxRates = 18;
constexpr std::size_t kNameLength = 15;

std::string trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(s.substr(first, s.find_last_not_of(' ') - first + 1));
}

bool sameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(trimmed(a), trimmed(b), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::string twoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

// The name field of a registration, trimmed; empty when refused.
std::string nameField(CommandContext& ctx, int n) {
    if (!ctx.textField(n, kNameLength, false)) {
        return {};
    }
    std::string name = trimmed(ctx.text(n));
    if (name.empty()) {
        ctx.reply.fieldFailure(kEmpty, n);
    }
    return name;
}

struct NumberedTable {
    std::vector<NamedEntry>& entries;
    int fixedCount; // entries 1..fixedCount never change
    std::string_view missingCode;
};

// Registers `name` under `number`, or under the next free number when `number` is 0.
void registerEntry(CommandContext& ctx, NumberedTable table, const std::string& name, int number,
                   bool linked) {
    for (const auto& e : table.entries) {
        if (sameName(e.name, name)) {
            ctx.reply.refuse(e.number <= table.fixedCount ? rc::FixedEntry : rc::DuplicateName);
            return;
        }
    }
    if (number == 0) {
        for (int n = table.fixedCount + 1; n <= kTableSize && number == 0; ++n) {
            if (std::ranges::find(table.entries, n, &NamedEntry::number) == table.entries.end()) {
                number = n;
            }
        }
        if (number == 0) {
            ctx.reply.refuse(rc::TableFull);
            return;
        }
    } else if (number < 1 || number > kTableSize) {
        ctx.reply.refuse(rc::NumberOutOfRange);
        return;
    } else if (number <= table.fixedCount) {
        ctx.reply.refuse(rc::FixedEntry);
        return;
    } else if (std::ranges::find(table.entries, number, &NamedEntry::number) !=
               table.entries.end()) {
        ctx.reply.refuse(rc::NumberInUse);
        return;
    }
    table.entries.push_back({number, name, linked, 0});
    std::ranges::sort(table.entries, {}, &NamedEntry::number);
    ctx.changed();
}

void deleteEntry(CommandContext& ctx, NumberedTable table) {
    const auto number = ctx.numberField(1, 1, 2);
    if (!number || !ctx.needMit()) {
        return;
    }
    if (*number < 1 || *number > kTableSize) {
        ctx.reply.refuse(rc::NumberOutOfRange);
    } else if (*number <= table.fixedCount) {
        ctx.reply.refuse(rc::FixedEntry);
    } else if (std::erase_if(table.entries,
                             [&](const NamedEntry& e) { return e.number == *number; }) == 0) {
        ctx.reply.refuse(table.missingCode);
    } else {
        ctx.changed();
    }
}

void addByName(CommandContext& ctx, NumberedTable table) {
    const std::string name = nameField(ctx, 1);
    if (!ctx.reply.ok() || !ctx.needMit()) {
        return;
    }
    const std::size_t before = table.entries.size();
    registerEntry(ctx, table, name, 0, false);
    if (ctx.reply.ok() && table.entries.size() > before) {
        const auto it = std::ranges::find(table.entries, name, &NamedEntry::name);
        ctx.reply.fields = {twoDigits(it->number)};
    }
}

NumberedTable payments(CommandContext& ctx) {
    return {ctx.state.payments, 1,
            ctx.state.thirdGeneration() ? rc::PaymentMissingMkiii : rc::PaymentMissing};
}
NumberedTable nonFiscal(CommandContext& ctx) {
    return {ctx.state.nonFiscal, 2, rc::NonFiscalMissing};
}
NumberedTable reports(CommandContext& ctx) {
    return {ctx.state.reports, 1, rc::ReportMissing};
}

} // namespace

void addTaxRate(CommandContext& ctx) {
    ctx.numberField(1, 4, 4);
    const auto type = ctx.choiceField(2, {"0", "1"});
    if (!type || !ctx.needMit()) {
        return;
    }
    auto& rates = ctx.state.taxRates;
    if (rates.size() >= kMaxTaxRates) {
        ctx.reply.refuse(rc::TableFull);
        return;
    }
    const char letter = *type == 0 ? 'T' : 'S';
    for (char position = 'a'; position <= 'r'; ++position) {
        const std::string code{letter, position};
        if (std::ranges::find(rates, code, &TaxRate::code) == rates.end()) {
            rates.push_back({code, ctx.raw(1), 0});
            ctx.reply.fields = {code};
            ctx.changed();
            return;
        }
    }
    ctx.reply.refuse(rc::TableFull);
}

void deleteTaxRate(CommandContext& ctx) {
    if (!ctx.textField(1, 2, false) || !ctx.needMit()) {
        return;
    }
    const std::string& code = ctx.raw(1);
    if (code.size() != 2 || (code[0] != 'T' && code[0] != 'S') || code[1] < 'a' || code[1] > 'r') {
        ctx.reply.refuse(rc::NumberOutOfRange);
    } else if (std::erase_if(ctx.state.taxRates,
                             [&](const TaxRate& r) { return r.code == code; }) == 0) {
        ctx.reply.refuse(rc::TaxRateMissing);
    } else {
        ctx.changed();
    }
}

void addPayment(CommandContext& ctx) {
    const auto linked = ctx.choiceField(1, {"0", "1"});
    const auto number = ctx.numberField(2, 1, 2);
    const std::string name = nameField(ctx, 3);
    if (linked && number && ctx.reply.ok() && ctx.needMit()) {
        registerEntry(ctx, payments(ctx), name, *number == 0 ? -1 : *number, *linked == 1);
    }
}

void deletePayment(CommandContext& ctx) {
    deleteEntry(ctx, payments(ctx));
}
void addNonFiscal(CommandContext& ctx) {
    addByName(ctx, nonFiscal(ctx));
}
void deleteNonFiscal(CommandContext& ctx) {
    deleteEntry(ctx, nonFiscal(ctx));
}
void addReport(CommandContext& ctx) {
    addByName(ctx, reports(ctx));
}
void deleteReport(CommandContext& ctx) {
    deleteEntry(ctx, reports(ctx));
}

} // namespace korva::cmd
