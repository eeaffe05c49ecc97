#include "core/features/tables/TableClear.h"

#include "core/engine/Engine.h"
#include "core/features/tables/TableCalls.h"
#include "core/features/tables/TableRecords.h"
#include "core/features/tables/TableText.h"

#include <string>
#include <vector>

namespace morvelan::tables {
namespace {

using E = LibraryEntries;

struct ClearPlan {
    int (*E::*entry)(const char*);
    std::vector<std::string> entries; // in the order they are deleted
    std::vector<std::string> ignored; // result line beginnings of "no such entry"
    const char* errorLine;
};

std::vector<std::string> numbersDownTo(int last) {
    std::vector<std::string> numbers;
    for (int n = kNamedRows; n >= last; --n) {
        numbers.push_back(twoDigits(n));
    }
    return numbers;
}

std::vector<std::string> taxRateCodes() {
    std::vector<std::string> codes;
    for (const char type : {'T', 'S'}) {
        for (char position = 'r'; position >= 'a'; --position) {
            codes.push_back(std::string{type, position});
        }
    }
    return codes;
}

ClearPlan clearPlan(int table) {
    switch (table) {
    case kPaymentTable:
        return {&E::Excluir_Forma_Pagamento,
                numbersDownTo(2),
                {"( 050e )", "( 0908 )"},
                "[ Erro ao apagar o meio de pagamento "};
    case kReportTable:
        return {&E::Excluir_Relatorio_Gerencial,
                numbersDownTo(2),
                {"( 0e17 )"},
                "[ Erro ao apagar o Relatório Gerencial "};
    case kNonFiscalTable:
        return {&E::Excluir_NaoFiscal,
                numbersDownTo(3),
                {"( 0e15 )"},
                "[ Erro ao apagar o Totalizador Não Fiscal "};
    default:
        return {&E::Excluir_Aliquota, taxRateCodes(), {"( 090f )"}, "[ Erro ao apagar a Alíquota "};
    }
}

bool ignorable(const std::string& resultLine, const std::vector<std::string>& ignored) {
    for (const auto& code : ignored) {
        if (resultLine.starts_with(code)) {
            return true;
        }
    }
    return false;
}

} // namespace

bool clearTableBody(Engine& engine, int table, int slot) {
    const ClearPlan plan = clearPlan(table);
    std::string& errors = engine.tableErrorText[static_cast<std::size_t>(slot)];
    bool clean = true;
    for (const std::string& entry : plan.entries) {
        std::string resultLine;
        const int returned = engine.call(plan.entry, entry.c_str());
        if (!callFailed(engine, slot, returned, resultLine) ||
            ignorable(resultLine, plan.ignored)) {
            continue;
        }
        errors += plan.errorLine + entry + " - " + resultLine + " ]\n";
        clean = false;
    }
    return clean;
}

void runTableClear(Engine& engine, int table, int selection) {
    if (!engine.ensurePrinter()) {
        return;
    }
    std::vector<int> addressed;
    int presentSeen = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        if (engine.printerPresent[index] == 1) {
            if (selection == kAllPrinters || selection == presentSeen) {
                engine.tableErrorText[index].clear();
                addressed.push_back(slot);
            }
            ++presentSeen;
        }
    }
    engine.runWorkers(selection,
                      [&engine, table](int slot) { clearTableBody(engine, table, slot); });
    for (const int slot : addressed) {
        const auto index = static_cast<std::size_t>(slot);
        const std::string head =
            "( " + engine.portName[index] + " - " + engine.modelName[index] + " )\n\n";
        if (engine.tableErrorText[index].empty()) {
            engine.prompts().message(kAlertTitle, head + " Tabela apagada com sucesso. ",
                                     PromptIcon::Information);
        } else {
            engine.prompts().message(kErrorTitle, head + engine.tableErrorText[index],
                                     PromptIcon::Error);
        }
    }
}

} // namespace morvelan::tables
