#include "core/features/tables/TableWrites.h"

#include "core/engine/Engine.h"
#include "core/engine/OperationTable.h"
#include "core/features/tables/TableCalls.h"
#include "core/features/tables/TableClear.h"
#include "core/features/tables/TableReadings.h"
#include "core/features/tables/TableRecords.h"
#include "core/features/tables/TableText.h"
#include "core/features/tables/TaxRateCodes.h"

#include <string>

namespace morvelan::tables {
namespace {

using E = LibraryEntries;

// Collects the failure lines of one body run on one slot.
class FailureLog {
public:
    FailureLog(Engine& engine, int slot)
        : engine_(engine), slot_(slot),
          text_(engine.tableErrorText[static_cast<std::size_t>(slot)]) {}

    // Judges a call; a failed one adds prefix + what + " )[ " + result line + " ]\n".
    void check(int returned, const std::string& prefix, const std::string& what) {
        std::string resultLine;
        if (callFailed(engine_, slot_, returned, resultLine)) {
            text_ += prefix + what + " )[ " + resultLine + " ]\n";
            failed_ = true;
        }
    }
    int result() const { return failed_ ? 1 : 0; }

private:
    Engine& engine_;
    int slot_;
    std::string& text_;
    bool failed_ = false;
};

// The common start of every write body: the slot's error text is emptied; the body goes on
// only when the change plan confirmed a change for this printer.
template <typename R> bool confirmedChange(Engine& engine, const WorkerArgument& a, R& record) {
    engine.tableErrorText[static_cast<std::size_t>(a.slot)].clear();
    record = loadRecord<R>(a.data);
    return record.changed[0] == 1;
}

// Clears the table first; a table that could not be emptied is not registered again, or the
// registrations would land behind the entries that stayed.
template <typename Register>
int clearThenRegister(Engine& engine, int table, int slot, Register registerRows) {
    if (!clearTableBody(engine, table, slot)) {
        return 1;
    }
    FailureLog log(engine, slot);
    registerRows(log);
    return log.result();
}

} // namespace

int writePayments(Engine& engine, WorkerArgument& a) {
    PaymentRequest edited{};
    if (!confirmedChange(engine, a, edited)) {
        return 0;
    }
    FailureLog log(engine, a.slot);
    for (int row = 1; row < kNamedRows; ++row) {
        const std::string nn = twoDigits(row + 1);
        const PaymentRow& r = edited.rows[row];
        const std::string what = nn + " - " + fieldText(r.name);
        if (edited.flags[row].remove == 1) {
            log.check(engine.call(&E::Excluir_Forma_Pagamento, nn.c_str()),
                      "Erro ao tentar apagar a forma de pagamento ( ", what);
        }
        if (edited.flags[row].register_ == 1) {
            char name[kNameSize] = {};
            std::memcpy(name, r.name, kNameLength);
            log.check(engine.call(&E::Config_Forma_Pagamento, r.linked == 1 ? 1 : 0, nn.c_str(),
                                  static_cast<const char*>(name)),
                      "Erro ao tentar cadastrar a forma de pagamento ( ", what);
        }
    }
    return log.result();
}

int writeReports(Engine& engine, WorkerArgument& a) {
    ReportRequest edited{};
    if (!confirmedChange(engine, a, edited)) {
        return 0;
    }
    return clearThenRegister(engine, kReportTable, a.slot, [&](FailureLog& log) {
        for (int row = 1; row < kNamedRows && edited.names[row][0] != '\0'; ++row) {
            edited.names[row][kNameLength] = '\0';
            log.check(engine.call(&E::Config_Relatorio_Gerencial,
                                  static_cast<const char*>(edited.names[row])),
                      "Erro ao tentar cadastrar o Relatório Gerencial ( ",
                      twoDigits(row + 1) + " - " + fieldText(edited.names[row]));
        }
    });
}

int writeNonFiscal(Engine& engine, WorkerArgument& a) {
    NonFiscalRequest edited{};
    if (!confirmedChange(engine, a, edited)) {
        return 0;
    }
    return clearThenRegister(engine, kNonFiscalTable, a.slot, [&](FailureLog& log) {
        for (int row = 2; row < kNamedRows && edited.names[row][0] != '\0'; ++row) {
            edited.names[row][kNameLength] = '\0';
            int number = 0;
            log.check(engine.call(&E::Config_Totalizador_NaoFiscal,
                                  static_cast<const char*>(edited.names[row]), &number),
                      "Erro ao tentar cadastrar o Totalizador Não Fiscal ( ",
                      twoDigits(row + 1) + " - " + fieldText(edited.names[row]));
        }
    });
}

int writeTaxRates(Engine& engine, WorkerArgument& a) {
    TaxRateRequest edited{};
    if (!confirmedChange(engine, a, edited)) {
        return 0;
    }
    return clearThenRegister(engine, kTaxRateTable, a.slot, [&](FailureLog& log) {
        for (const RateToRegister& entry : ratesToRegister(edited)) {
            char rate[kRateLength + 1] = {};
            setField(rate, entry.rate);
            log.check(engine.call(&E::Config_Aliquota, static_cast<const char*>(rate), entry.type),
                      "Erro ao tentar cadastrar a Alíquota ( ", entry.code + " - " + entry.rate);
        }
    });
}

void registerTableOperations(Engine& engine) {
    for (const auto& [table, body] :
         {std::pair{kPaymentTable, &writePayments}, std::pair{kReportTable, &writeReports},
          std::pair{kTaxRateTable, &writeTaxRates}, std::pair{kNonFiscalTable, &writeNonFiscal}}) {
        engine.operations().add(6, table, {.body = body, .listsTableErrors = true});
    }
    registerTableReadings(engine.readings());
}

} // namespace morvelan::tables
