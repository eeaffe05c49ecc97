// The worker bodies that are one library call each, reading their arguments from the request
// data at the offsets the forms lay out.
#include "core/base/RequestBytes.h"
#include "core/engine/Engine.h"
#include "core/engine/OperationTable.h"

#include <cstring>

namespace morvelan {
namespace {

using E = LibraryEntries;
using Arg = WorkerArgument;

// Forced entry into MIT: the fixed clock setting the printer recognises.
constexpr const char* kMitDate = "01012000";
constexpr const char* kMitTime = "000001";

// Verificar comunicação: a clock reading; a printer that has nothing to report yet (return 1,
// empty text) is asked for its status instead, and that answer is the outcome.
int communicationCheck(Engine& engine, Arg&) {
    char clock[15] = {};
    int result = engine.call(&E::Obter_Hora_Relogio, clock);
    if (result == 1 && clock[0] == '\0') {
        char status[21] = {};
        result = engine.askPrinterStatus(status);
    }
    return result;
}

int headerLines(Engine& engine, Arg& a) {
    const auto d = std::span<const char>(a.data);
    return engine.call(&E::Configurar_Usuario, textAt(d, 0, 57).c_str(), textAt(d, 57, 57).c_str(),
                       textAt(d, 114, 57).c_str(), textAt(d, 171, 57).c_str(),
                       textAt(d, 233, 4).c_str(), textAt(d, 228, 5).c_str());
}

int issqnDiscount(Engine& engine, Arg& a) {
    const char choice = a.data.empty() ? '\0' : a.data[0];
    if (choice == 'S') {
        return engine.call(&E::Configurar_Desconto_ISS, 1);
    }
    if (choice == 'N') {
        return engine.call(&E::Configurar_Desconto_ISS, 0);
    }
    return 0;
}

int zReduction(Engine& engine, Arg& a) {
    const auto d = std::span<const char>(a.data);
    char reserved[8] = {};
    if (d.size() >= 28) {
        std::memcpy(reserved, d.data() + 20, sizeof reserved);
    }
    return engine.call(&E::RelatorioFiscal_RZ, textAt(d, 0, 9).c_str(), textAt(d, 9, 7).c_str(),
                       intAt(d, 16), reserved);
}

int fiscalMemoryReading(Engine& engine, Arg& a) {
    const auto d = std::span<const char>(a.data);
    const int mode = 4 + 2 * intAt(d, 20) + intAt(d, 24);
    return engine.call(&E::RelatorioFiscal_Leitura_MF, textAt(d, 0, 9).c_str(),
                       textAt(d, 9, 11).c_str(), mode, "", "", 0, 0);
}

int detailMemoryReading(Engine& engine, Arg& a) {
    const auto d = std::span<const char>(a.data);
    const std::string start = textAt(d, 0, 9);
    const std::string end = textAt(d, 9, 11);
    switch (intAt(d, 20)) {
    case 0:
        return engine.call(&E::Leitura_MFD_CRZ, start.c_str(), end.c_str(), 0, 0, "", 0, 0, 0);
    case 1:
        return engine.call(&E::Leitura_MFD_Data, start.c_str(), end.c_str(), 0, 0, "", 0, 0, 0);
    case 2:
        return engine.call(&E::Leitura_MFD, start.c_str(), end.c_str(), 0, 0, "", 0, 0, 0);
    default:
        return 0;
    }
}

// A body that passes the text at the start of the request data as the one argument.
template <auto Entry, std::size_t Width> int oneText(Engine& engine, Arg& a) {
    return engine.call(Entry, textAt(a.data, 0, Width).c_str());
}

template <auto Entry> int noArgument(Engine& engine, Arg&) {
    return engine.call(Entry);
}

} // namespace

void registerLibraryCallOperations(OperationTable& t) {
    // "Verificar comunicação" always looks for the printer anew.
    t.add(1, 1, {.body = communicationCheck, .beforeRun = [](Engine& engine) {
                     engine.detectionNeeded = 1;
                 }});
    t.add(6, 1, [](Engine& engine, Arg&) {
        return engine.call(&E::Ajustar_Relogio, kMitDate, kMitTime, 0);
    });
    t.add(6, 2, headerLines);
    t.add(6, 3, oneText<&E::Configurar_Simbolo_Moeda, 5>);
    t.add(6, 4,
          {.body = oneText<&E::Config_Serial_Impressora, 6>,
           .afterRun = [](Engine& engine, std::span<char>, int) {
               if (engine.printerPresent[0] == 1 && engine.resultRecords[0].resultCode == 0) {
                   engine.prompts().message(kAlertTitle, kPowerCycleMessage,
                                            PromptIcon::Information);
               }
           }});
    t.add(6, 5, [](Engine& engine, Arg& a) {
        return engine.call(&E::Ajustar_Relogio, textAt(a.data, 0, 9).c_str(),
                           textAt(a.data, 9, 7).c_str(), 1);
    });
    t.add(6, 6, noArgument<&E::Config_Horario_Verao>);
    t.add(6, 11, issqnDiscount);
    t.add(6, 12, noArgument<&E::Iniciar_Nova_MFD>);
    t.add(6, 15, oneText<&E::Config_Operador, 21>);
    t.add(6, 16, oneText<&E::Config_Adiciona_IM, 21>);
    t.add(6, 17, [](Engine& engine, Arg& a) {
        return engine.call(&E::Config_Casas_Decimais, textAt(a.data, 0, 4).c_str(),
                           textAt(a.data, 4, 11).c_str());
    });
    t.add(6, 18, [](Engine& engine, Arg& a) {
        return engine.call(&E::Config_Arredonda_Trunca_Fabricacao, textAt(a.data, 0, 2).c_str(),
                           textAt(a.data, 2, 2).c_str());
    });
    // The library's status reading repeats its last exchange, so a printer switched off since
    // then would still show as ready: the status is asked of the printer itself.
    t.add(7, 1, [](Engine& engine, Arg&) {
        char status[21] = {};
        return engine.askPrinterStatus(status);
    });
    t.add(8, 1, noArgument<&E::RelatorioFiscal_LeituraX>);
    t.add(8, 2, zReduction);
    t.add(8, 3, fiscalMemoryReading);
    t.add(8, 4, detailMemoryReading);
    t.add(8, 5, noArgument<&E::RelatorioFiscal_Abrir_Dia>);
}

} // namespace morvelan
