#include "PrintedDocuments.h"

#include "PrinterClock.h"

#include <cstdio>

namespace korva::paper {
namespace {

const std::string kRule(kColumns, '-');

// Columns a UTF-8 text takes: one per character.
std::size_t columns(std::string_view text) {
    std::size_t n = 0;
    for (char c : text) {
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return n;
}

// The bytes of the first `count` characters of `text`.
std::size_t prefixBytes(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t seen = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && seen++ == count) {
            break;
        }
    }
    return i;
}

class Document {
public:
    void line(std::string_view text) {
        // A line wider than the paper goes on in the next one, as the printer wraps it.
        while (columns(text) > kColumns) {
            const std::size_t cut = prefixBytes(text, kColumns);
            lines_ += std::string(text.substr(0, cut)) + "\n";
            text.remove_prefix(cut);
        }
        lines_ += std::string(text) + "\n";
    }
    void centred(std::string_view text) {
        const std::size_t width = columns(text);
        line(std::string(width < kColumns ? (kColumns - width) / 2 : 0, ' ') + std::string(text));
    }
    // `label` on the left, `value` flush right.
    void pair(std::string_view label, std::string_view value) {
        const std::size_t used = columns(label) + columns(value);
        line(std::string(label) + std::string(used < kColumns ? kColumns - used : 1, ' ') +
             std::string(value));
    }
    void rule() { lines_ += kRule + "\n"; }
    std::string finish() { return lines_ + kCutLine + "\n"; }

private:
    std::string lines_;
};

std::string sixDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%06d", value);
    return text;
}

std::string money(const PrinterState& s, std::uint64_t cents) {
    char text[40];
    std::snprintf(text, sizeof text, "%llu,%02llu", static_cast<unsigned long long>(cents / 100),
                  static_cast<unsigned long long>(cents % 100));
    return s.currency + " " + text;
}

std::string dateText(std::string_view ddmmaaaa) {
    if (ddmmaaaa.size() != 8) {
        return std::string(ddmmaaaa);
    }
    return std::string(ddmmaaaa.substr(0, 2)) + "/" + std::string(ddmmaaaa.substr(2, 2)) + "/" +
           std::string(ddmmaaaa.substr(4));
}

std::string timeText(std::string_view hhmmss) {
    if (hhmmss.size() != 6) {
        return std::string(hhmmss);
    }
    return std::string(hhmmss.substr(0, 2)) + ":" + std::string(hhmmss.substr(2, 2)) + ":" +
           std::string(hhmmss.substr(4));
}

// A header line without the attribute prefix (ESC and one character) that does not print.
std::string_view printedHeader(std::string_view line) {
    if (line.size() >= 2 && line[0] == 27) {
        line.remove_prefix(2);
    }
    return line;
}

// Header lines, registrations, then date, time and COO.
void top(Document& d, const PrinterState& s, std::int64_t now) {
    for (const auto& header : s.header) {
        if (!printedHeader(header).empty()) {
            d.centred(printedHeader(header));
        }
    }
    d.line("CNPJ: " + s.user.cnpj);
    d.line("IE: " + s.user.ie);
    d.line("IM: " + s.user.im);
    d.rule();
    d.pair(dateText(clock::date(now)) + " " + timeText(clock::time(now)),
           "COO:" + sixDigits(s.day.coo));
}

void title(Document& d, std::string_view text, std::string_view subtitle = {}) {
    d.centred(text);
    if (!subtitle.empty()) {
        d.centred(subtitle);
    }
    d.rule();
}

void counters(Document& d, const PrinterState& s) {
    d.pair("Contador de Ordem de Operação (COO):", sixDigits(s.day.coo));
    d.pair("Contador de Reduções Z (CRZ):", sixDigits(s.day.crz));
    d.pair("Reduções Z restantes:", sixDigits(s.day.zRemaining));
    d.pair("COO inicial da jornada:", sixDigits(s.day.firstCoo));
    d.pair("Início da jornada:", dateText(s.day.startDate) + " " + timeText(s.day.startTime));
    d.pair("Operador:", s.operatorName.empty() ? "-" : s.operatorName);
}

void totals(Document& d, const PrinterState& s) {
    d.rule();
    d.centred("TOTALIZADORES");
    d.pair("Grande Total:", money(s, s.day.grandTotal));
    for (const auto& rate : s.taxRates) {
        const std::string percent = rate.rate.size() == 4
                                        ? rate.rate.substr(0, 2) + "," + rate.rate.substr(2) + "%"
                                        : rate.rate;
        d.pair(rate.code + " " + percent, money(s, rate.total));
    }
    for (const auto& payment : s.payments) {
        d.pair(payment.name, money(s, payment.total));
    }
    for (const auto& entry : s.nonFiscal) {
        d.pair(entry.name, money(s, entry.total));
    }
}

std::string bottom(Document& d, const PrinterState& s) {
    d.rule();
    d.line(s.manufacturer + " " + s.type + " " + s.model);
    d.pair("FAB: " + s.mfSerial, "ECF:" + s.ecfNumber + " LJ:" + s.storeNumber);
    d.line("VERSÃO SB: " + s.version);
    return d.finish();
}

std::string rangeDocument(const PrinterState& s, std::int64_t now, std::string_view name,
                          std::string_view mode, const Range& range) {
    Document d;
    top(d, s, now);
    title(d, name, mode);
    const bool byDate = range.kind == "DATA";
    d.pair("Faixa em " + std::string(range.kind) + ":",
           (byDate ? dateText(range.start) : range.start) + " a " +
               (byDate ? dateText(range.end) : range.end));
    counters(d, s);
    totals(d, s);
    return bottom(d, s);
}

} // namespace

std::string readingX(const PrinterState& s, std::int64_t now, std::string_view subtitle) {
    Document d;
    top(d, s, now);
    title(d, "LEITURA X", subtitle);
    counters(d, s);
    totals(d, s);
    return bottom(d, s);
}

std::string reductionZ(const PrinterState& s, std::int64_t now) {
    Document d;
    top(d, s, now);
    title(d, "REDUÇÃO Z");
    d.pair("Movimento do dia:", dateText(s.day.startDate));
    d.pair("Fim da jornada:", dateText(s.day.endDate) + " " + timeText(s.day.endTime));
    counters(d, s);
    totals(d, s);
    return bottom(d, s);
}

std::string fiscalMemoryReading(const PrinterState& s, std::int64_t now, bool simplified,
                                const Range& range) {
    return rangeDocument(s, now, "LEITURA DA MEMÓRIA FISCAL",
                         simplified ? "MODO SIMPLIFICADO" : "MODO COMPLETO", range);
}

std::string detailMemoryReading(const PrinterState& s, std::int64_t now, const Range& range) {
    return rangeDocument(s, now, "LEITURA DA MEMÓRIA DE FITA-DETALHE", "", range);
}

std::string userRecording(const PrinterState& s, std::int64_t now, const PendingUser& user) {
    Document d;
    top(d, s, now);
    title(d, "GRAVAÇÃO DE USUÁRIO", "CONFIRA OS DADOS ANTES DE CONFIRMAR");
    d.pair("Usuário:", std::to_string(s.user.number + 1));
    d.pair("CNPJ/CPF:", user.cnpj);
    d.pair("IE:", user.ie.empty() ? "-" : user.ie);
    d.pair("IM:", user.im.empty() ? "-" : user.im);
    d.pair("Casas decimais - Quantidade:", std::to_string(user.quantityDecimals));
    d.pair("Casas decimais - Preço Unitário:", std::to_string(user.priceDecimals));
    return bottom(d, s);
}

} // namespace korva::paper
