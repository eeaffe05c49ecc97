#include "core/features/tables/TableCollect.h"

#include "core/base/TextTrim.h"
#include "core/features/tables/TableText.h"

#include <algorithm>

namespace morvelan::tables {
namespace {

const char* firstSentence(int table) {
    return table == kReportTable ? "Os relatórios gerenciais devem estar em sequencia.\n"
                                 : "Os Totalizadores Não-Fiscais devem estar em sequencia.\n";
}

bool confirmed(Prompts& prompts, const std::string& question) {
    return prompts.askYesNo(kAlertTitle, question, PromptIcon::Question);
}

} // namespace

// Names are taken trimmed: the plan compares them trimmed, so a name that is only blanks is
// an empty row, and surrounding blanks never reach the printer.
Compaction compactNames(const std::vector<std::string>& fields) {
    Compaction result;
    for (std::size_t field = 0; field < fields.size(); ++field) {
        const std::string name = trimmed(fields[field]);
        if (name.empty()) {
            continue;
        }
        result.names.push_back(name);
        result.lines +=
            "[ " + twoDigits(static_cast<int>(result.names.size())) + " - " + name + " ]\n";
        result.moved = result.moved || result.names.size() != field + 1;
    }
    return result;
}

std::string reorderQuestion(const std::string& firstSentence, const std::string& lines) {
    return firstSentence + "Por este motivo, a tabela deve ser reordenada.\n" +
           "Segue abaixo a nova ordenação:\n\n" + lines +
           "\n\nDeseja realmente efetuar esta operação?";
}

void collectPayments(const FormRows& rows, PaymentRequest& edited) {
    const std::size_t count = std::min<std::size_t>(rows.size(), kNamedRows);
    for (std::size_t row = 0; row < count; ++row) {
        setField(edited.rows[row].name, trimmed(rows[row].text), kNameLength);
        edited.rows[row].linked = rows[row].linked && edited.rows[row].name[0] != '\0' ? 1 : 0;
    }
}

Collected collectNamed(const FormRows& rows, char (&names)[kNamedRows][kNameSize], int table,
                       Prompts& prompts) {
    std::vector<std::string> fields;
    for (std::size_t row = 0; row < std::min<std::size_t>(rows.size(), kNamedRows); ++row) {
        fields.push_back(rows[row].text);
    }
    const Compaction compaction = compactNames(fields);
    if (compaction.moved &&
        !confirmed(prompts, reorderQuestion(firstSentence(table), compaction.lines))) {
        return Collected::Cancelled;
    }
    for (std::size_t row = 0; row < compaction.names.size(); ++row) {
        setField(names[row], compaction.names[row], kNameLength);
    }
    return Collected::Ready;
}

Collected collectTaxRates(const FormRows& rows, TaxRateRequest& edited, Prompts& prompts) {
    const std::size_t count = std::min<std::size_t>(rows.size(), kTaxRateRows);
    std::string errors;
    std::string lines;
    bool reordered = false;
    std::size_t position = 0;
    for (int type = 0; type <= 1; ++type) {
        const char letter = type == 0 ? 'T' : 'S';
        char next = 'a';
        for (std::size_t row = 0; row < count; ++row) {
            const std::string rate = trimmed(rows[row].text);
            if (rate.empty()) {
                continue;
            }
            if (rows[row].type != 0 && rows[row].type != 1) {
                if (type == 0) {
                    errors += "Aliquota [ " + rate + " ] não tem nenhum tipo selecionado.\n";
                }
                continue;
            }
            if (rows[row].type != type) {
                continue;
            }
            const std::string code{letter, next++};
            edited.types[position] = static_cast<char>(type);
            setField(edited.codes[position], code);
            setField(edited.rates[position], rate, kRateLength);
            lines += "[ " + code + " - " + fieldText(edited.rates[position]) + " ]\n";
            reordered = reordered || position != row;
            ++position;
        }
    }
    if (!errors.empty()) {
        prompts.message(kErrorTitle, errors, PromptIcon::Error);
        return Collected::Refused;
    }
    if (reordered &&
        !confirmed(prompts, reorderQuestion("As alíquotas devem estar em sequencia.\n", lines))) {
        return Collected::Cancelled;
    }
    return Collected::Ready;
}

} // namespace morvelan::tables
