#include "core/features/backup/RestorePlan.h"

#include "core/base/TextTrim.h"
#include "core/features/settings/HeaderLines.h"
#include "core/features/settings/SettingTexts.h"
#include "core/features/tables/ChangePlan.h"
#include "core/features/tables/TableRecords.h"
#include "core/features/tables/TableText.h"
#include "core/features/taxpayer/TaxpayerRecording.h"
#include "core/features/usersettings/UserSettings.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <type_traits>

namespace morvelan::backup {
namespace {

std::string changeLine(const std::string& label, const std::string& from, const std::string& to) {
    return label + " [ " + from + " ] SERÁ SUBSTITUÍDO POR [ " + to + " ]\n";
}

template <std::size_t N>
std::string choiceText(const std::array<const char*, N>& choices, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? choices[index] : "";
}

std::string lineText(const settings::HeaderLine& line) {
    static constexpr std::array<std::pair<bool settings::HeaderAttributes::*, const char*>, 5>
        kNames = {{{&settings::HeaderAttributes::reverse, "Invertido"},
                   {&settings::HeaderAttributes::bold, "Negrito"},
                   {&settings::HeaderAttributes::underline, "Sublinhado"},
                   {&settings::HeaderAttributes::doubleHeight, "Altura Dupla"},
                   {&settings::HeaderAttributes::doubleWidth, "Largura Dupla"}}};
    std::string attributes;
    for (const auto& [flag, name] : kNames) {
        if (line.attributes.*flag) {
            attributes += (attributes.empty() ? " (" : ", ") + std::string(name);
        }
    }
    return line.text + (attributes.empty() ? "" : attributes + ")");
}

std::string headerDifferences(std::span<const char> file, std::span<const char> printer,
                              FormRecord& toSend) {
    static constexpr std::array<const char*, 4> kLabels = {"Razão Social", "Nome Fantasia",
                                                           "Endereço 01", "Endereço 02"};
    const settings::HeaderValues f = settings::headerValues(file);
    const settings::HeaderValues p = settings::headerValues(printer);
    std::string lines;
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        if (f.lines[i].text != p.lines[i].text || f.lines[i].attributes != p.lines[i].attributes) {
            lines += changeLine(std::string("A linha \"") + kLabels[i] + "\" do clichê",
                                lineText(p.lines[i]), lineText(f.lines[i]));
        }
    }
    if (f.ecfNumber != p.ecfNumber) {
        lines += changeLine("O número do ECF", p.ecfNumber, f.ecfNumber);
    }
    if (f.storeNumber != p.storeNumber) {
        lines += changeLine("O número da loja", p.storeNumber, f.storeNumber);
    }
    toSend = settings::headerRecord(f);
    return lines;
}

std::size_t changedFlagOffset(int table) {
    switch (table) {
    case tables::kPaymentTable:
        return offsetof(tables::PaymentRequest, changed);
    case tables::kTaxRateTable:
        return offsetof(tables::TaxRateRequest, changed);
    default:
        return offsetof(tables::ReportRequest, changed);
    }
}

// The names and rates as the table forms collect them: trimmed, as the printer's readings pad
// them with blanks that would otherwise be sent as names.
template <typename R> void trimFields(FormRecord& record) {
    R table = tables::loadRecord<R>(record);
    const auto trim = [](auto& field) {
        tables::setField(field, trimmed(tables::fieldText(field)));
    };
    if constexpr (std::is_same_v<R, tables::PaymentRequest>) {
        for (auto& row : table.rows) {
            trim(row.name);
        }
    } else if constexpr (std::is_same_v<R, tables::TaxRateRequest>) {
        for (auto& rate : table.rates) {
            trim(rate);
        }
    } else {
        for (auto& name : table.names) {
            trim(name);
        }
    }
    tables::storeRecord(table, record);
}

void trimTable(int table, FormRecord& record) {
    switch (table) {
    case tables::kPaymentTable:
        return trimFields<tables::PaymentRequest>(record);
    case tables::kTaxRateTable:
        return trimFields<tables::TaxRateRequest>(record);
    case tables::kNonFiscalTable:
        return trimFields<tables::NonFiscalRequest>(record);
    default:
        return trimFields<tables::ReportRequest>(record);
    }
}

std::string tableDifferences(int table, std::span<const char> file, std::span<const char> printer,
                             FormRecord& toSend) {
    toSend.assign(file.begin(), file.end());
    toSend.resize(tables::tableRequestSize(table), '\0');
    trimTable(table, toSend);
    const std::size_t flag = changedFlagOffset(table);
    toSend[flag] = 0;
    std::string lines = tables::planLines(table, printer, toSend);
    toSend[flag] = lines.empty() ? 0 : 1;
    return lines;
}

std::string currencyDifferences(std::span<const char> file, std::span<const char> printer,
                                FormRecord& toSend) {
    const std::string f = trimmed(settings::currencySymbol(file), kBlanksAndLineEnds);
    const std::string p = trimmed(settings::currencySymbol(printer), kBlanksAndLineEnds);
    toSend = settings::currencyRecord(f);
    return f == p ? std::string()
                  : changeLine("O símbolo da moeda", p, f) + settings::kCurrencyNote + "\n";
}

std::string issqnDifferences(std::span<const char> file, std::span<const char> printer,
                             FormRecord& toSend) {
    const int f = settings::issqnIndex(file);
    const int p = settings::issqnIndex(printer);
    toSend = settings::issqnRecord(f);
    return f == p || f < 0
               ? std::string()
               : changeLine("O desconto em ISSQN", choiceText(settings::kIssqnEntries, p),
                            choiceText(settings::kIssqnEntries, f));
}

std::string operatorDifferences(std::span<const char> file, std::span<const char> printer,
                                FormRecord& toSend) {
    const std::string f = trimmed(fiscal::operatorName(file), kBlanksAndLineEnds);
    const std::string p = trimmed(fiscal::operatorName(printer), kBlanksAndLineEnds);
    toSend.assign(fiscal::kOperatorRecordSize, '\0');
    fiscal::putOperator(toSend, f);
    return f == p ? std::string() : changeLine("O operador", p, f);
}

int decimalsAt(std::span<const char> record, std::size_t offset) {
    return fiscal::decimalIndex(recordText(record, offset, fiscal::kDecimalsWidth));
}

std::string decimalsDifferences(std::span<const char> file, std::span<const char> printer,
                                FormRecord& toSend) {
    const int fq = decimalsAt(file, fiscal::kQuantityOffset);
    const int fp = decimalsAt(file, fiscal::kPriceOffset);
    const int pq = decimalsAt(printer, fiscal::kQuantityOffset);
    const int pp = decimalsAt(printer, fiscal::kPriceOffset);
    toSend.assign(fiscal::kDecimalsRecordSize, '\0');
    fiscal::putDecimals(toSend, choiceText(fiscal::kDecimalChoices, fq),
                        choiceText(fiscal::kDecimalChoices, fp));
    std::string lines;
    if (fq != pq) {
        lines += changeLine("Casas decimais - Quantidade", choiceText(fiscal::kDecimalChoices, pq),
                            choiceText(fiscal::kDecimalChoices, fq));
    }
    if (fp != pp) {
        lines +=
            changeLine("Casas decimais - Preço Unitário", choiceText(fiscal::kDecimalChoices, pp),
                       choiceText(fiscal::kDecimalChoices, fp));
    }
    return lines;
}

std::string roundingDifferences(std::span<const char> file, std::span<const char> printer,
                                FormRecord& toSend) {
    const fiscal::RoundingChoice p = fiscal::roundingSent(printer);
    fiscal::RoundingChoice f = fiscal::roundingSent(file);
    // A choice the file does not hold stays as the printer has it.
    f.rounding = f.rounding < 0 ? p.rounding : f.rounding;
    f.ownManufacture = f.ownManufacture < 0 ? p.ownManufacture : f.ownManufacture;
    toSend.assign(fiscal::kRoundingRecordSize, '\0');
    fiscal::putRounding(toSend, f);
    std::string lines;
    if (f.rounding != p.rounding) {
        lines += changeLine("Arredonda / Trunca", choiceText(fiscal::kRoundingChoices, p.rounding),
                            choiceText(fiscal::kRoundingChoices, f.rounding));
    }
    if (f.ownManufacture != p.ownManufacture) {
        lines +=
            changeLine("Fabricação Própria", choiceText(fiscal::kYesNoChoices, p.ownManufacture),
                       choiceText(fiscal::kYesNoChoices, f.ownManufacture));
    }
    return lines;
}

std::string taxpayerText(const fiscal::TaxpayerValues& values) {
    return "C.N.P.J [ " + values.cnpj + " ] I.E [ " + values.stateRegistration + " ] I.M [ " +
           values.municipalRegistration + " ]";
}

std::string taxpayerNote(std::span<const char> file, std::span<const char> printer) {
    const fiscal::TaxpayerValues f = fiscal::taxpayerValues(file);
    const fiscal::TaxpayerValues p = fiscal::taxpayerValues(printer);
    if (f.cnpj == p.cnpj && f.stateRegistration == p.stateRegistration &&
        f.municipalRegistration == p.municipalRegistration) {
        return {};
    }
    return settingName(kTaxpayerStep) + ":\nO arquivo tem " + taxpayerText(f) + " e a impressora " +
           taxpayerText(p) +
           ".\nOs dados do contribuinte ficam gravados de forma permanente na memória fiscal e "
           "NÃO SERÃO RESTAURADOS.\n\n";
}

} // namespace

std::string settingDifferences(int step, std::span<const char> file, std::span<const char> printer,
                               FormRecord& toSend) {
    switch (step) {
    case 2:
        return headerDifferences(file, printer, toSend);
    case 3:
        return currencyDifferences(file, printer, toSend);
    case 11:
        return issqnDifferences(file, printer, toSend);
    case tables::kPaymentTable:
    case tables::kReportTable:
    case tables::kTaxRateTable:
    case tables::kNonFiscalTable:
        return tableDifferences(step, file, printer, toSend);
    case fiscal::kOperatorStep:
        return operatorDifferences(file, printer, toSend);
    case fiscal::kDecimalsStep:
        return decimalsDifferences(file, printer, toSend);
    case fiscal::kRoundingStep:
        return roundingDifferences(file, printer, toSend);
    default:
        return {};
    }
}

RestorePlan planRestore(const CommandFileBytes& file, const PrinterSettings& printer, bool mkiii,
                        std::span<const int> steps) {
    RestorePlan plan;
    for (const BackupSetting& setting : kBackupSettings) {
        const auto block = settingBlock(file, setting.step);
        if (!block || (!steps.empty() && std::ranges::find(steps, setting.step) == steps.end())) {
            continue;
        }
        const auto reading = printer.records.find(setting.step);
        const std::string name = settingName(setting.step);
        if (setting.mkiiiOnly && !mkiii) {
            plan.notes += name + ":\nSó pode ser restaurado em um equipamento MKIII; não será "
                                 "enviado.\n\n";
        } else if (reading == printer.records.end()) {
            plan.notes += name + ":\nNão foi possível ler o valor da impressora; não será "
                                 "enviado.\n\n";
        } else if (setting.step == kTaxpayerStep) {
            plan.notes += taxpayerNote(*block, reading->second);
        } else {
            PlannedChange change{setting.step, {}, {}};
            change.lines = settingDifferences(setting.step, *block, reading->second, change.record);
            if (!change.lines.empty()) {
                plan.changes.push_back(std::move(change));
            }
        }
    }
    return plan;
}

std::string planText(const RestorePlan& plan, const std::string& printerLabel) {
    std::string text = "( " + printerLabel + ")\n\n";
    for (const PlannedChange& change : plan.changes) {
        text += settingName(change.step) + ":\n" + change.lines + "\n";
    }
    return text + plan.notes;
}

} // namespace morvelan::backup
