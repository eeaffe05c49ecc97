// The read worker's bodies: each reads the printer's values with the library's reading functions
// and writes them into the form's request data. Library texts stay Windows-1252 there. The four
// tables (6.7 to 6.10) are read by the table module, which registers its own bodies.
#include "core/base/RequestBytes.h"
#include "core/engine/Engine.h"
#include "core/engine/OperationTable.h"

#include <cstring>

namespace morvelan {
namespace {

using E = LibraryEntries;
using Arg = WorkerArgument;

int headerLines(Engine& engine, Arg& a) {
    constexpr std::size_t kLinesOffset = 237, kNumbersOffset = 462;
    const std::size_t width = a.isMkiii != 0 ? 56 : 40;
    char lines[225] = {};
    int result = engine.call(&E::Obter_Cliche_Usuario, lines);
    putText(a.data, kLinesOffset, bufferText(lines, 224), 224);
    if (result != 0) {
        return result;
    }
    const std::string_view all = bufferText(lines, 224);
    for (std::size_t line = 0; line < 4; ++line) {
        const std::size_t start = std::min(line * width, all.size());
        putText(a.data, line * 57, all.substr(start, width), width);
    }
    char numbers[9] = {};
    result = engine.call(&E::Obter_Numero_ECF_Loja, numbers);
    putText(a.data, kNumbersOffset, bufferText(numbers, 8), 8);
    if (result != 0) {
        return result;
    }
    putText(a.data, 233, bufferText(numbers, 3), 3);
    putText(a.data, 228, bufferText(numbers + 3, 4), 4);
    return 0;
}

int clock(Engine& engine, Arg& a) {
    char reading[16] = {};
    const int result = engine.call(&E::Obter_Hora_Relogio, reading);
    putText(a.data, 16, bufferText(reading, 15), 15);
    if (result == 0) {
        putText(a.data, 0, bufferText(reading, 8), 8);
        putText(a.data, 9, bufferText(reading + 8, 6), 6);
    }
    return result;
}

int taxpayer(Engine& engine, Arg& a) {
    char user[52] = {};
    int result = engine.call(&E::Obter_Dados_Usuario, user);
    if (result != 0) {
        return result;
    }
    putText(a.data, 2, bufferText(user, 18), 18);
    putText(a.data, 40, bufferText(user + 18, 15), 15);
    putText(a.data, 61, bufferText(user + 33, 15), 15);
    // The decimals are read for the form but their answer is not a condition of the reading.
    char decimals[6] = {};
    engine.call(&E::Obter_Casas_Decimais, decimals);
    putText(a.data, 91, bufferText(decimals, 2), 2);
    putText(a.data, 94, bufferText(decimals + 3, 2), 2);
    char number[5] = {};
    result = engine.call(&E::Obter_Numero_Usuario, number);
    putText(a.data, 97, bufferText(number, 4), 4);
    return result;
}

int municipalRegistration(Engine& engine, Arg& a) {
    char user[52] = {};
    const int result = engine.call(&E::Obter_Dados_Usuario, user);
    if (result == 0) {
        putText(a.data, 0, bufferText(user + 33, 15), 15);
    }
    return result;
}

int decimals(Engine& engine, Arg& a) {
    char text[6] = {};
    const int result = engine.call(&E::Obter_Casas_Decimais, text);
    if (result == 0) {
        putText(a.data, 0, bufferText(text, 2), 2);
        putText(a.data, 4, bufferText(text + 3, 2), 2);
    }
    return result;
}

int rounding(Engine& engine, Arg& a) {
    char rounds[2] = {};
    char ownManufacture[2] = {};
    const int result = engine.call(&E::Obter_Arredonda_Trunca_Fabricacao, rounds, ownManufacture);
    if (result == 0) {
        putText(a.data, 0, bufferText(rounds, 1), 1);
        putText(a.data, 2, bufferText(ownManufacture, 1), 1);
    }
    return result;
}

// A reading whose whole answer is one text placed at the start of the request data.
template <auto Entry, std::size_t Size> int wholeText(Engine& engine, Arg& a) {
    char text[Size + 1] = {};
    const int result = engine.call(Entry, text);
    if (result == 0) {
        putText(a.data, 0, bufferText(text, Size), Size);
    }
    return result;
}

int eventLog(Engine& engine, Arg& a) {
    char log[271] = {};
    char count[4] = {};
    const int result = engine.call(&E::Obter_Log_Comandos, log, count);
    if (result == 0) {
        putText(a.data, 0, bufferText(log, 270), 270);
        putText(a.data, kEventLogCountOffset, bufferText(count, 3), 3);
    }
    return result;
}

} // namespace

void registerReadings(OperationTable& t) {
    t.add(6, 2, headerLines);
    t.add(6, 3, wholeText<&E::Obter_Simbolo_Moeda, 4>);
    t.add(6, 5, clock);
    t.add(6, 6, [](Engine& engine, Arg& a) {
        int state = 0;
        const int result = engine.call(&E::Obter_Estado_Horario_Verao, &state);
        if (result == 0) {
            putValue<std::int32_t>(a.data, 0, state);
        }
        return result;
    });
    t.add(6, 11, wholeText<&E::Obter_Desconto_Iss, 1>);
    t.add(6, 13, taxpayer);
    t.add(6, 15, wholeText<&E::Obter_Operador, 20>);
    t.add(6, 16, municipalRegistration);
    t.add(6, 17, decimals);
    t.add(6, 18, rounding);
    t.add(7, 2, wholeText<&E::Obter_Dados_Impressora, 108>);
    t.add(7, 6, wholeText<&E::Obter_Dados_Jornada, 67>);
    // The operator reading of group 7 fills no form record of its own.
    t.add(7, 13, {.body = wholeText<&E::Obter_Operador, 20>, .takesData = false});
    t.add(7, 15, [](Engine& engine, Arg& a) {
        unsigned short switches = 0;
        const int result = engine.call(&E::Obter_Estado_Microchaves, &switches);
        if (result == 0) {
            putValue<unsigned short>(a.data, 0, switches);
        }
        return result;
    });
    t.add(7, 16, eventLog);
}

} // namespace morvelan
