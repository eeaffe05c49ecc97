#include "core/engine/history/HistoryExport.h"

#include "core/base/Cp1252.h"
#include "core/base/ResultTexts.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>

namespace morvelan::history {
namespace {

std::string csvField(const std::string& value) {
    if (value.find_first_of(";\"\r\n") == std::string::npos)
        return value;
    std::string quoted = "\"";
    for (const char c : value) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

std::string html(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\n':
            out += "<br>";
            break;
        default:
            out += c;
        }
    }
    return out;
}

const PrinterSeen* findPrinter(const std::vector<PrinterSeen>& printers,
                               const std::optional<std::int64_t>& id) {
    if (!id)
        return nullptr;
    const auto it = std::find_if(printers.begin(), printers.end(),
                                 [&id](const PrinterSeen& p) { return p.id == *id; });
    return it != printers.end() ? &*it : nullptr;
}

} // namespace

std::string operationCode(const HistoryEntry& entry) {
    if (entry.kind == EntryKind::RawCommand) {
        // The code and the extension, up to the first field.
        const auto second = entry.command.find('|', entry.command.find('|') + 1);
        return entry.command.substr(0, second);
    }
    if (entry.kind != EntryKind::Operation)
        return {};
    return std::to_string(entry.type) + "." + std::to_string(entry.step);
}

std::string whatRan(const HistoryEntry& entry) {
    if (entry.kind == EntryKind::RawCommand && !entry.command.empty())
        return entry.label + ": " + entry.command;
    if (entry.kind == EntryKind::Script && !entry.command.empty())
        return entry.label + ": " + std::filesystem::path(entry.command).filename().string();
    return entry.label;
}

std::string listedFunction(const HistoryEntry& entry) {
    if (entry.kind == EntryKind::Operation)
        return operationCode(entry) + " " + entry.label;
    return whatRan(entry);
}

std::string listedOutcome(const HistoryEntry& entry) {
    return entry.resultLine.empty() ? "em andamento" : entry.resultLine;
}

std::string sizeText(std::uintmax_t bytes) {
    constexpr std::array<const char*, 4> kUnits = {"bytes", "KB", "MB", "GB"};
    if (bytes < 1024)
        return std::to_string(bytes) + " bytes";
    double value = static_cast<double>(bytes);
    std::size_t unit = 0;
    while (value >= 1024 && unit + 1 < kUnits.size()) {
        value /= 1024;
        ++unit;
    }
    char text[32] = {};
    std::snprintf(text, sizeof text, "%.1f %s", value, kUnits[unit]);
    // A decimal comma, as the technician writes numbers.
    std::string result = text;
    std::replace(result.begin(), result.end(), '.', ',');
    return result;
}

std::string toCsv(const std::vector<HistoryEntry>& entries,
                  const std::vector<PrinterSeen>& printers) {
    std::string csv = "\xEF\xBB\xBF";
    csv += "Início;Término;Modelo;Série MF;Série MFD;Porta;Código;Função;Resultado;"
           "Erros de tabela\r\n";
    for (const HistoryEntry& entry : entries) {
        const PrinterSeen* printer = findPrinter(printers, entry.printerId);
        const std::string fields[] = {entry.startedAt,
                                      entry.endedAt,
                                      printer != nullptr ? printer->key.model : std::string(),
                                      printer != nullptr ? printer->key.fiscalMemorySerial
                                                         : std::string(),
                                      printer != nullptr ? printer->key.mfdSerial : std::string(),
                                      entry.port,
                                      operationCode(entry),
                                      whatRan(entry),
                                      entry.resultLine,
                                      entry.tableErrors};
        bool first = true;
        for (const std::string& field : fields) {
            if (!first)
                csv += ';';
            csv += csvField(field);
            first = false;
        }
        csv += "\r\n";
    }
    return csv;
}

std::string blockText(const std::vector<char>& block) {
    std::string cp1252;
    bool inZeros = false;
    for (const char c : block) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0) {
            inZeros = true;
            continue;
        }
        if (inZeros && !cp1252.empty())
            cp1252 += " | ";
        inZeros = false;
        if (byte < 0x20 || byte == 0x7F) {
            char escaped[8] = {};
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            cp1252 += escaped;
        } else {
            cp1252 += c;
        }
    }
    return fromCp1252(cp1252);
}

std::string detailsText(const HistoryEntry& entry) {
    std::string text = entry.label + "\n" + entry.startedAt + " - " + entry.endedAt + "\n\n";
    if (entry.kind == EntryKind::Intervention) {
        text += "Resultado: " + listedOutcome(entry) + "\n\nPassos:\n";
        for (const InterventionStep& step : entry.steps)
            text += step.at + "  " + (step.succeeded ? "" : "[falha] ") + step.description + "\n";
        return text;
    }
    const std::array<const std::string*, kResultTextCount> texts = {
        &entry.resultLine, &entry.fieldError, &entry.portStatus, &entry.printerStatus,
        &entry.fiscalStatus};
    for (std::size_t i = 0; i < kResultTextCount; ++i) {
        text += std::string(kResultCaptions[i]) + "\n" + *texts[i] +
                (i + 1 < kResultTextCount ? "\n\n" : "\n");
    }
    if (!entry.planLines.empty())
        text += "\nAlterações confirmadas:\n" + entry.planLines;
    if (!entry.tableErrors.empty())
        text += "\nErros de tabela:\n" + entry.tableErrors;
    if (!entry.requestBlock.empty())
        text += "\nDados enviados:\n" + blockText(entry.requestBlock) + "\n";
    if (!entry.command.empty())
        text += "\nComando:\n" + entry.command + "\n";
    if (!entry.answer.empty())
        text += "\nResposta:\n" + entry.answer + "\n";
    if (!entry.commandLog.empty())
        text += "\nLog de comandos:\n" + entry.commandLog;
    return text;
}

std::string summaryHtml(const PrinterSeen& printer, const std::vector<HistoryEntry>& entries,
                        std::string_view generatedAt) {
    std::string page =
        "<html><head><meta charset=\"utf-8\"><title>Resumo de intervenções</title>"
        "</head><body><h2>Resumo de intervenções</h2><p>Impressora: <b>" +
        html(printer.key.model) +
        "</b><br>Número de série da memória fiscal: " + html(printer.key.fiscalMemorySerial) +
        "<br>Número de série da MFD: " + html(printer.key.mfdSerial) +
        "<br>Porta: " + html(printer.port) + "<br>Emitido em: " + html(generatedAt) + "</p>";
    page += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr><th>Início</th>"
            "<th>Término</th><th>Função</th><th>Resultado</th></tr>";
    for (const HistoryEntry& entry : entries) {
        page += "<tr><td>" + html(entry.startedAt) + "</td><td>" + html(entry.endedAt) +
                "</td><td>" + html(listedFunction(entry)) + "</td><td>" +
                html(listedOutcome(entry));
        for (const InterventionStep& step : entry.steps)
            page += "<br>" + html(step.at) + " " + html(step.description);
        if (!entry.tableErrors.empty())
            page += "<br>" + html(entry.tableErrors);
        page += "</td></tr>";
    }
    page += "</table><p><br><br>Assinatura do técnico: ______________________________</p>"
            "</body></html>";
    return page;
}

} // namespace morvelan::history
