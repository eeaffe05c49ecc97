#include "core/present/ReadingFields.h"

#include "core/base/Cp1252.h"
#include "core/base/TextTrim.h"
#include "core/features/readings/EventLog.h"
#include "core/features/readings/ReadingTexts.h"
#include "core/features/settings/ClockSetting.h"
#include "core/features/settings/HeaderLines.h"
#include "core/features/settings/SettingRecords.h"
#include "core/features/settings/SettingTexts.h"
#include "core/features/tables/TableEditor.h"
#include "core/features/tables/TableRecords.h"
#include "core/features/tables/TableText.h"
#include "core/features/taxpayer/TaxpayerRecording.h"
#include "core/features/usersettings/UserSettings.h"

#include <cstdint>
#include <cstring>

namespace morvelan {
namespace {

using Fields = std::vector<ReadingField>;

// The labels the forms give their rows end in ":" and mark their shortcut with "&"; a field name
// keeps neither.
std::string labelName(std::string_view label) {
    std::string name;
    for (const char c : label) {
        if (c != '&')
            name += c;
    }
    while (!name.empty() && (name.back() == ':' || name.back() == ' '))
        name.pop_back();
    return name;
}

// What a drop-down list shows for the index it selects: nothing for no selection.
template <std::size_t N>
std::string choiceText(const std::array<const char*, N>& entries, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? entries[index] : "";
}

const char* checked(bool on) {
    return on ? "sim" : "não";
}

std::string_view zeroEnded(std::span<const char> data) {
    return {data.data(), strnlen(data.data(), data.size())};
}

template <std::size_t N>
void addAll(Fields& fields, const std::array<const char*, N>& labels,
            const std::array<std::string, N>& values) {
    for (std::size_t i = 0; i < N; ++i)
        fields.push_back({labelName(labels[i]), values[i]});
}

Fields headerFields(std::span<const char> data, bool thirdGeneration) {
    static constexpr std::array<const char*, settings::kHeaderLineCount> kLineLabels = {
        "Razão Social", "Nome Fantasia", "Endereço 01", "Endereço 02"};
    const settings::HeaderValues values = settings::headerValues(data);
    Fields fields;
    for (std::size_t n = 0; n < values.lines.size(); ++n) {
        const settings::HeaderLine& line = values.lines[n];
        const std::string label = kLineLabels[n];
        fields.push_back({label, line.text});
        // Only a third-generation printer can leave these two lines out, and only its form
        // shows the boxes that say so, beside the line's text.
        if (thirdGeneration && n == 1)
            fields.push_back({"Enviar Nome Fantasia", checked(values.sendTradeName)});
        if (thirdGeneration && n == 3)
            fields.push_back({"Enviar linha Endereço 02", checked(values.sendSecondAddress)});
        const settings::HeaderAttributes& a = line.attributes;
        fields.push_back({label + " - Invertido", checked(a.reverse)});
        fields.push_back({label + " - Negrito", checked(a.bold)});
        fields.push_back({label + " - Sublinhado", checked(a.underline)});
        fields.push_back({label + " - Altura Dupla", checked(a.doubleHeight)});
        fields.push_back({label + " - Largura Dupla", checked(a.doubleWidth)});
    }
    fields.push_back({"Número do ECF", values.ecfNumber});
    fields.push_back({"Loja", values.storeNumber});
    return fields;
}

Fields tableFields(int table, std::span<const char> data) {
    const tables::FormRows rows = tables::displayRows(table, data);
    Fields fields;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::string label = labelName(tables::rowLabel(table, static_cast<int>(row)));
        fields.push_back({label, rows[row].text});
        // The boxes beside each row: whether a payment method is linked, a rate's tax.
        if (table == tables::kPaymentTable)
            fields.push_back({label + " - Vínculado", checked(rows[row].linked)});
        if (table == tables::kTaxRateTable)
            fields.push_back(
                {label + " - Tipo", choiceText(tables::kRateTypeNames, rows[row].type)});
    }
    return fields;
}

Fields taxpayerFields(std::span<const char> data) {
    const fiscal::TaxpayerValues values = fiscal::taxpayerValues(data);
    // The taxpayer form lists the decimals with two digits, as the printer prints them; its
    // recording password is hidden when it only reads.
    static constexpr std::array<const char*, 2> kTwoDigitDecimals = {"02", "03"};
    return {{"C.N.P.J", values.cnpj},
            {"I.E", values.stateRegistration},
            {"I.M", values.municipalRegistration},
            {"Casas decimais - Quantidade",
             choiceText(kTwoDigitDecimals, fiscal::decimalIndex(values.quantityDecimals))},
            {"Casas decimais - Preço Unitário",
             choiceText(kTwoDigitDecimals, fiscal::decimalIndex(values.priceDecimals))}};
}

Fields decimalsFields(std::span<const char> data) {
    const auto index = [data](std::size_t offset) {
        return fiscal::decimalIndex(recordText(data, offset, fiscal::kDecimalsWidth));
    };
    return {{"Casas decimais - Quantidade",
             choiceText(fiscal::kDecimalChoices, index(fiscal::kQuantityOffset))},
            {"Casas decimais - Preço Unitário",
             choiceText(fiscal::kDecimalChoices, index(fiscal::kPriceOffset))}};
}

Fields roundingFields(std::span<const char> data) {
    const fiscal::RoundingChoice choice = fiscal::roundingRead(data);
    return {{"Arredonda / Trunca", choiceText(fiscal::kRoundingChoices, choice.rounding)},
            {"Fabricação Própria", choiceText(fiscal::kYesNoChoices, choice.ownManufacture)}};
}

Fields eventLogFields(std::span<const char> data) {
    const EventLogReading reading = eventLogReading(data);
    Fields fields;
    for (std::size_t row = 0; row < kEventLogRows; ++row) {
        const std::string line = "Registro " + tables::twoDigits(static_cast<int>(row) + 1) + " - ";
        for (std::size_t column = 0; column < kEventLogColumns; ++column)
            fields.push_back(
                {line + kEventLogTitles[column], fromCp1252(reading.grid[row][column])});
    }
    fields.push_back({"Quantidade de caracteres do log", fromCp1252(reading.countText)});
    return fields;
}

} // namespace

std::size_t readingRecordSize(OperationCode reading) {
    if (reading.type == 7) {
        switch (reading.step) {
        case 2:
            return kPrinterDataRecordSize;
        case 6:
            return kFiscalDayRecordSize;
        case 15:
            return kMicroswitchRecordSize;
        case 16:
            return kEventLogRequestSize;
        default:
            return 0;
        }
    }
    if (reading.type != 6)
        return 0;
    switch (reading.step) {
    case 2:
        return settings::kHeaderRecordSize;
    case 3:
        return settings::kCurrencyRecordSize;
    case 5:
        return settings::kClockRecordSize;
    case 6:
        return settings::kDaylightRecordSize;
    case tables::kPaymentTable:
    case tables::kReportTable:
    case tables::kTaxRateTable:
    case tables::kNonFiscalTable:
        return tables::tableRequestSize(reading.step);
    case 11:
        return settings::kIssqnRecordSize;
    case 13:
        return fiscal::kTaxpayerRecordSize;
    case fiscal::kOperatorStep:
        return fiscal::kOperatorRecordSize;
    case fiscal::kMunicipalStep:
        return fiscal::kMunicipalRecordSize;
    case fiscal::kDecimalsStep:
        return fiscal::kDecimalsRecordSize;
    case fiscal::kRoundingStep:
        return fiscal::kRoundingRecordSize;
    default:
        return 0;
    }
}

std::vector<ReadingField> readingFields(OperationCode reading, std::span<const char> data,
                                        bool thirdGeneration) {
    if (reading.type == 7) {
        switch (reading.step) {
        case 2: {
            Fields fields;
            addAll(fields, kSerializationLabels, serializationFields(zeroEnded(data)));
            return fields;
        }
        case 6: {
            // A day without a start date shows its fields empty.
            Fields fields;
            addAll(fields, kFiscalDayLabels,
                   fiscalDayFields(zeroEnded(data))
                       .value_or(std::array<std::string, kFiscalDayFieldCount>{}));
            return fields;
        }
        case 15: {
            std::uint16_t value = 0;
            if (data.size() >= sizeof value)
                std::memcpy(&value, data.data(), sizeof value);
            Fields fields;
            addAll(fields, kMicroswitchLabels, microswitchTexts(value));
            return fields;
        }
        case 16:
            return eventLogFields(data);
        default:
            return {};
        }
    }
    if (reading.type != 6)
        return {};
    switch (reading.step) {
    case 2:
        return headerFields(data, thirdGeneration);
    case 3:
        return {{"Símbolo da moeda", settings::currencySymbol(data)}};
    case 5: {
        const settings::ClockValues values = settings::clockValues(data);
        return {{"Data Atual (DDMMAAAA)", trimmed(values.date, kBlanksAndLineEnds)},
                {"Hora Atual (hhmmss)", trimmed(values.time, kBlanksAndLineEnds)}};
    }
    case 6:
        return {{"Estado Atual", settings::daylightSavingText(data)}};
    case tables::kPaymentTable:
    case tables::kReportTable:
    case tables::kTaxRateTable:
    case tables::kNonFiscalTable:
        return tableFields(reading.step, data);
    case 11:
        return {
            {"Desconto em ISSQN", choiceText(settings::kIssqnEntries, settings::issqnIndex(data))}};
    case 13:
        return taxpayerFields(data);
    case fiscal::kOperatorStep:
        return {{"Operador", fiscal::operatorName(data)}};
    case fiscal::kMunicipalStep:
        return {{"Inscrição Municipal", trimmed(fiscal::municipalRegistration(data))}};
    case fiscal::kDecimalsStep:
        return decimalsFields(data);
    case fiscal::kRoundingStep:
        return roundingFields(data);
    default:
        return {};
    }
}

std::optional<std::string> readingRefusal(OperationCode reading, std::span<const char> data) {
    if (reading == OperationCode{6, 13} && fiscal::userNumber(data) <= 0)
        return std::string(fiscal::kNoUserMessage);
    return std::nullopt;
}

} // namespace morvelan
