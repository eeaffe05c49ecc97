// Reading entry points: one reading command each, its answer laid out in the caller's buffer the
// way the declarations describe.
#include "EntryCommon.h"

#include <charconv>
#include <string>

namespace {

using namespace korva::entry;
using korva::Exchange;

// Lines of the header are 56 characters wide on third-generation printers, 40 on the others.
constexpr std::size_t kWideLine = 56;
constexpr std::size_t kNarrowLine = 40;

bool thirdGeneration(std::string_view model) {
    for (std::string_view prefix : {"QP-L30 MKIII", "QP-L20 MKIII", "QP-R4100 MKIII"}) {
        if (model.starts_with(prefix)) {
            return true;
        }
    }
    return false;
}

// The concatenation of the answer fields, each fitted to its width.
std::string fixedFields(const Exchange& exchange, std::initializer_list<std::size_t> widths) {
    std::string text;
    std::size_t index = 0;
    for (std::size_t width : widths) {
        text += fit(field(exchange, index++), width);
    }
    return text;
}

template <typename T> T parseNumber(std::string_view text, int base = 10) {
    T value{};
    std::from_chars(text.data(), text.data() + text.size(), value, base);
    return value;
}

} // namespace

extern "C" {

KORVA_API int KORVA_CALL KORVA_Obter_Cliche_Usuario(char* linhas) {
    return guarded([&] {
        // The line width depends on the model, which only the printer data tell.
        std::size_t width = kNarrowLine;
        const int modelResult = sendAndFill(Command("0003").output(linhas), [&](const Exchange& e) {
            width = thirdGeneration(field(e, 3)) ? kWideLine : kNarrowLine;
        });
        if (modelResult != KORVA_OK) {
            return modelResult;
        }
        return sendAndFill(Command("0007").output(linhas), [&](const Exchange& e) {
            putText({linhas, KORVA_TAM_CLICHE}, fixedFields(e, {width, width, width, width}));
        });
    });
}

KORVA_API int KORVA_CALL KORVA_Obter_Numero_ECF_Loja(char* ecfLoja) {
    return guarded([&] {
        return sendAndFill(Command("0008").output(ecfLoja), [&](const Exchange& e) {
            putText({ecfLoja, KORVA_TAM_ECF_LOJA},
                    fitNumber(field(e, 0), 3) + fitNumber(field(e, 1), 4));
        });
    });
}

KORVA_API int KORVA_CALL KORVA_Obter_Dados_Impressora(char* dados) {
    return guarded([&] {
        return sendAndFill(Command("0003").output(dados), [&](const Exchange& e) {
            putFixed({dados, KORVA_TAM_DADOS_IMPRESSORA}, fixedFields(e, {20, 20, 20, 20, 20, 8}));
        });
    });
}

KORVA_API int KORVA_CALL KORVA_Obter_Dados_Usuario(char* dados) {
    return guarded([&] {
        return sendAndFill(Command("0004").output(dados), [&](const Exchange& e) {
            putText({dados, KORVA_TAM_DADOS_USUARIO}, fixedFields(e, {18, 15, 15}));
        });
    });
}

KORVA_API int KORVA_CALL KORVA_Obter_Simbolo_Moeda(char* simbolo) {
    return guarded([&] {
        return sendAndFill(Command("0009").output(simbolo), [&](const Exchange& e) {
            putText({simbolo, KORVA_TAM_SIMBOLO_MOEDA}, field(e, 0));
        });
    });
}

KORVA_API int KORVA_CALL KORVA_Obter_Hora_Relogio(char* dataHora) {
    return guarded([&] {
        return sendAndFill(Command("0002").output(dataHora), [&](const Exchange& e) {
            putText({dataHora, KORVA_TAM_HORA_RELOGIO}, fixedFields(e, {8, 6}));
        });
    });
}

KORVA_API int KORVA_CALL KORVA_Obter_Estado_Horario_Verao(int* estado) {
    return guarded([&] {
        return sendAndFill(Command("000A").output(estado),
                           [&](const Exchange& e) { *estado = field(e, 0) == "1" ? 1 : 0; });
    });
}

KORVA_API int KORVA_CALL KORVA_Obter_Desconto_Iss(char* desconto) {
    return guarded([&] {
        return sendAndFill(Command("000B").output(desconto), [&](const Exchange& e) {
            putText({desconto, KORVA_TAM_DESCONTO_ISS}, field(e, 0));
        });
    });
}

KORVA_API int KORVA_CALL KORVA_Obter_Casas_Decimais(char* casas) {
    return guarded([&] {
        return sendAndFill(Command("0006").output(casas), [&](const Exchange& e) {
            putText({casas, KORVA_TAM_CASAS_DECIMAIS},
                    fitNumber(field(e, 0), 2) + "|" + fitNumber(field(e, 1), 2));
        });
    });
}

KORVA_API int KORVA_CALL KORVA_Obter_Operador(char* operador) {
    return guarded([&] {
        return sendAndFill(Command("000C").output(operador), [&](const Exchange& e) {
            putText({operador, KORVA_TAM_OPERADOR}, field(e, 0));
        });
    });
}

KORVA_API int KORVA_CALL KORVA_Obter_Estado_Microchaves(unsigned short* chaves) {
    return guarded([&] {
        return sendAndFill(Command("000D").output(chaves), [&](const Exchange& e) {
            *chaves = parseNumber<unsigned short>(field(e, 0), 16);
        });
    });
}

KORVA_API int KORVA_CALL KORVA_Obter_Dados_Jornada(char* jornada) {
    return guarded([&] {
        return sendAndFill(Command("000E").output(jornada), [&](const Exchange& e) {
            putText({jornada, KORVA_TAM_JORNADA},
                    fixedFields(e, {8, 6, 8, 6, 6, 6, 6, 6, 6, 6, 1, 1, 1}));
        });
    });
}

KORVA_API int KORVA_CALL KORVA_Obter_Numero_Usuario(char* numero) {
    return guarded([&] {
        return sendAndFill(Command("0005").output(numero), [&](const Exchange& e) {
            putText({numero, KORVA_TAM_NUMERO_USUARIO}, field(e, 0));
        });
    });
}

KORVA_API int KORVA_CALL KORVA_Obter_Log_Comandos(char* log, char* contador) {
    return guarded([&] {
        return sendAndFill(Command("000F").output(log).output(contador), [&](const Exchange& e) {
            constexpr std::size_t kRecord = 27;
            constexpr std::size_t kRecords = (KORVA_TAM_LOG - 1) / kRecord;
            std::string text;
            for (std::size_t i = 0; i < e.fields.size() && i < kRecords; ++i) {
                text += fit(e.fields[i], kRecord);
            }
            putText({log, KORVA_TAM_LOG}, text);
            putText({contador, KORVA_TAM_LOG_CONTADOR}, std::to_string(text.size()));
        });
    });
}

KORVA_API int KORVA_CALL KORVA_Obter_Arredonda_Trunca_Fabricacao(char* arredonda,
                                                                 char* fabricacao) {
    return guarded([&] {
        const Command command = Command("0010").output(arredonda).output(fabricacao);
        return sendAndFill(command, [&](const Exchange& e) {
            putText({arredonda, KORVA_TAM_SIM_NAO}, field(e, 0));
            putText({fabricacao, KORVA_TAM_SIM_NAO}, field(e, 1));
        });
    });
}

} // extern "C"
