// The four tables: reading them into their fixed-width layouts, registering and deleting entries.
#include "EntryCommon.h"

#include <array>
#include <charconv>
#include <string>

namespace {

using namespace korva::entry;
using korva::Exchange;

constexpr std::size_t kNumberAndName = 17; // two-digit number and a 15-character name
constexpr std::size_t kEntries = 20;
constexpr std::size_t kRateEntry = 6; // code (2) and rate (4)

// The accumulated totals are not part of the reading's answer fields; when a printer sends
// digits after the entry they are taken, otherwise the total is zero.
std::string counterAfter(std::string_view fieldText, std::size_t offset, std::size_t width) {
    return fitNumber(fieldText.size() > offset ? fieldText.substr(offset) : "", width);
}

// 20 entries, one per number 01..20, each number and name, then a counter of `counterWidth`
// digits and, for payment methods, the linked flag. A number the printer does not list keeps a
// blank name.
std::string numberedTable(const Exchange& exchange, std::size_t counterWidth, bool linkedFlag) {
    std::array<std::string, kEntries> entries;
    for (std::size_t i = 0; i < kEntries; ++i) {
        entries[i] = fitNumber(std::to_string(i + 1), 2) + fit("", kNumberAndName - 2) +
                     fitNumber("", counterWidth) + (linkedFlag ? "N" : "");
    }
    for (std::string_view text : exchange.fields) {
        unsigned number = 0;
        const auto parsed = std::from_chars(
            text.data(), text.data() + std::min<std::size_t>(2, text.size()), number);
        if (text.size() < 2 || parsed.ptr != text.data() + 2 || number < 1 || number > kEntries) {
            continue;
        }
        std::string entry = fit(text, kNumberAndName);
        if (linkedFlag) {
            const bool linked = text.size() > kNumberAndName && text[kNumberAndName] == 'S';
            entry += fitNumber("", counterWidth) + (linked ? "S" : "N");
        } else {
            entry += counterAfter(text, kNumberAndName, counterWidth);
        }
        entries[number - 1] = std::move(entry);
    }
    std::string table;
    for (const std::string& entry : entries) {
        table += entry;
    }
    return table;
}

int readNumberedTable(const char* code, char* tabela, std::size_t size, std::size_t counterWidth,
                      bool linkedFlag) {
    return sendAndFill(Command(code).output(tabela), [&](const Exchange& e) {
        putFixed({tabela, size}, numberedTable(e, counterWidth, linkedFlag));
    });
}

} // namespace

extern "C" {

KORVA_API int KORVA_CALL KORVA_Obter_Tabela_Aliquotas(char* tabela) {
    return guarded([&] {
        return sendAndFill(Command("0011").output(tabela), [&](const Exchange& e) {
            std::string table;
            for (std::string_view text : e.fields) {
                table += fit(text, kRateEntry) + counterAfter(text, kRateEntry, 17);
            }
            putText({tabela, KORVA_TAM_ALIQUOTAS}, table);
        });
    });
}

KORVA_API int KORVA_CALL KORVA_Obter_Tabela_Pagamentos(char* tabela) {
    return guarded(
        [&] { return readNumberedTable("0012", tabela, KORVA_TAM_PAGAMENTOS, 26, true); });
}

KORVA_API int KORVA_CALL KORVA_Obter_Tabela_NaoFiscais(char* tabela) {
    return guarded(
        [&] { return readNumberedTable("0013", tabela, KORVA_TAM_NAO_FISCAIS, 17, false); });
}

KORVA_API int KORVA_CALL KORVA_Obter_Tabela_Relatorios_Gerenciais(char* tabela) {
    return guarded(
        [&] { return readNumberedTable("0014", tabela, KORVA_TAM_RELATORIOS, 4, false); });
}

KORVA_API int KORVA_CALL KORVA_Config_Aliquota(const char* aliquota, int tipo) {
    return guarded([&] { return sendOnly(Command("0201").text(aliquota).number(tipo)); });
}

KORVA_API int KORVA_CALL KORVA_Excluir_Aliquota(const char* codigo) {
    return guarded([&] { return sendOnly(Command("0202").text(codigo)); });
}

KORVA_API int KORVA_CALL KORVA_Config_Forma_Pagamento(int vinculado, const char* numero,
                                                      const char* nome) {
    return guarded(
        [&] { return sendOnly(Command("0203").number(vinculado).text(numero).text(nome)); });
}

KORVA_API int KORVA_CALL KORVA_Excluir_Forma_Pagamento(const char* numero) {
    return guarded([&] { return sendOnly(Command("0204").text(numero)); });
}

KORVA_API int KORVA_CALL KORVA_Config_Totalizador_NaoFiscal(const char* nome, int* numero) {
    return guarded([&] {
        // The number given is optional: a null pointer only means the caller does not want it.
        return sendAndFill(Command("0205").text(nome).skip(), [&](const Exchange& e) {
            if (numero != nullptr) {
                const std::string_view given = field(e, 0);
                int value = 0;
                std::from_chars(given.data(), given.data() + given.size(), value);
                *numero = value;
            }
        });
    });
}

KORVA_API int KORVA_CALL KORVA_Excluir_NaoFiscal(const char* numero) {
    return guarded([&] { return sendOnly(Command("0206").text(numero)); });
}

KORVA_API int KORVA_CALL KORVA_Config_Relatorio_Gerencial(const char* nome) {
    return guarded([&] { return sendOnly(Command("0207").text(nome)); });
}

KORVA_API int KORVA_CALL KORVA_Excluir_Relatorio_Gerencial(const char* numero) {
    return guarded([&] { return sendOnly(Command("0208").text(numero)); });
}

} // extern "C"
