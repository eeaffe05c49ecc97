#include "core/features/tables/TableEditor.h"

#include "core/base/TextTrim.h"
#include "core/engine/Engine.h"
#include "core/features/tables/ChangePlan.h"
#include "core/features/tables/TableClear.h"
#include "core/features/tables/TableRecords.h"
#include "core/features/tables/TableText.h"

#include <algorithm>

namespace morvelan::tables {
namespace {

// The names the printer keeps in its fixed rows.
const char* fixedName(int table, int row) {
    if (table == kPaymentTable && row == 0) {
        return "Dinheiro";
    }
    if (table == kReportTable && row == 0) {
        return "Configuração";
    }
    if (table == kNonFiscalTable && row <= 1) {
        return row == 0 ? "Sangria" : "Fundo de Troco";
    }
    return nullptr;
}

FormRows namedRows(int table, const char (&names)[kNamedRows][kNameSize]) {
    FormRows rows(kNamedRows);
    for (int row = 0; row < kNamedRows; ++row) {
        const char* fixed = fixedName(table, row);
        rows[row].text = fixed != nullptr ? fixed : trimmed(fieldText(names[row]));
    }
    return rows;
}

} // namespace

FormRows displayRows(int table, std::span<const char> record) {
    switch (table) {
    case kPaymentTable: {
        const auto r = loadRecord<PaymentRequest>(record);
        FormRows rows(kNamedRows);
        for (int row = 0; row < kNamedRows; ++row) {
            const char* fixed = fixedName(table, row);
            rows[row].text = fixed != nullptr ? fixed : trimmed(fieldText(r.rows[row].name));
            rows[row].linked = r.rows[row].linked == 1;
        }
        return rows;
    }
    case kTaxRateTable: {
        const auto r = loadRecord<TaxRateRequest>(record);
        FormRows rows(kTaxRateRows);
        for (int row = 0; row < kTaxRateRows; ++row) {
            rows[row].text = trimmed(fieldText(r.rates[row]));
            rows[row].type = r.codes[row][0] == '\0' ? -1 : (r.types[row] == 1 ? 1 : 0);
        }
        return rows;
    }
    default:
        return namedRows(table, loadRecord<ReportRequest>(record).names);
    }
}

int tableRowCount(int table) {
    return table == kTaxRateTable ? kTaxRateRows : kNamedRows;
}

int tableFixedRows(int table) {
    return table == kTaxRateTable ? 0 : (table == kNonFiscalTable ? 2 : 1);
}

std::string clearButtonCaption(int table) {
    switch (table) {
    case kPaymentTable:
        return "&Apagar Tabela Pagamentos Impressora";
    case kReportTable:
        return "&Apagar Tabela Relatórios da Impressora";
    case kTaxRateTable:
        return "&Apagar tabela Alíquotas da Impressora";
    default:
        return "&Apagar Tabela de Tot. Não Fiscais da Imp.";
    }
}

std::string clearQuestion(int table) {
    switch (table) {
    case kPaymentTable:
        return "Todos os Meios de Pagamento, exceto ( 01 - Dinheiro ) serão apagados!\n\n"
               "Deseja Continuar?";
    case kReportTable:
        return "Todos os Relatórios Gerenciais, exceto ( 01 - Configuração ) serão apagados!\n\n"
               "Deseja Continuar?";
    case kTaxRateTable:
        return "Todas as alíquotas serão apagadas!\n\nDeseja Continuar?";
    default:
        return "Todos os Totalizadores Não Fiscais, exceto ( 01 - Sangria / 02 - Fundo de Troco "
               ") serão apagados!\n\nDeseja Continuar?";
    }
}

std::string rowLabel(int table, int row) {
    const std::string nn = twoDigits(row + 1);
    switch (table) {
    case kPaymentTable:
        return "Meio de Pagamento " + nn + ":";
    case kReportTable:
        return "Relatório Gerencial " + nn + ":";
    case kTaxRateTable:
        return "Alíquota " + nn + ":";
    default:
        return "Totalizador Não Fiscal " + nn + ":";
    }
}

TableEditor::TableEditor(Engine& engine, int table, std::function<void()> repeatStep)
    : engine_(engine), table_(table), repeatStep_(std::move(repeatStep)),
      record_(tableRequestSize(table), '\0'), printerTables_(kSlotCount) {}

void TableEditor::load(std::span<const char> record) {
    std::fill(record_.begin(), record_.end(), '\0');
    std::copy_n(record.begin(), std::min(record.size(), record_.size()), record_.begin());
}

void TableEditor::clearPrinterTables() {
    for (auto& table : printerTables_) {
        table.clear();
    }
}

bool TableEditor::hasPrinterTable(int slot) const {
    return slot >= 0 && slot < kSlotCount && !printerTables_[slot].empty();
}

FormRows TableEditor::printerRows(int slot) const {
    return hasPrinterTable(slot) ? displayRows(table_, printerTables_[slot])
                                 : displayRows(table_, {});
}

bool TableEditor::readPrinter() {
    std::vector<char> reading(tableRequestSize(table_), '\0');
    if (!engine_.readOperation(6, table_, reading, true)) {
        return false;
    }
    printerTables_[0] = std::move(reading);
    return true;
}

void TableEditor::send(const FormRows& rows, int selection) {
    std::vector<char> edited(tableRequestSize(table_), '\0');
    Collected collected = Collected::Ready;
    switch (table_) {
    case kPaymentTable: {
        PaymentRequest record{};
        collectPayments(rows, record);
        storeRecord(record, edited);
        break;
    }
    case kTaxRateTable: {
        TaxRateRequest record{};
        collected = collectTaxRates(rows, record, engine_.prompts());
        storeRecord(record, edited);
        break;
    }
    default: {
        ReportRequest record{};
        collected = collectNamed(rows, record.names, table_, engine_.prompts());
        storeRecord(record, std::span<char>(edited).first(offsetof(ReportRequest, changed)));
        break;
    }
    }
    if (collected == Collected::Cancelled) {
        return;
    }
    if (collected == Collected::Refused || !runChangePlan(engine_, table_, edited, selection)) {
        if (repeatStep_) {
            repeatStep_();
        }
        return;
    }
    record_ = std::move(edited);
    engine_.runOperation(6, table_, record_, selection);
}

void TableEditor::clear(int selection) {
    if (engine_.prompts().askYesNo(kAlertTitle, clearQuestion(table_), PromptIcon::Question)) {
        runTableClear(engine_, table_, selection);
    }
}

} // namespace morvelan::tables
