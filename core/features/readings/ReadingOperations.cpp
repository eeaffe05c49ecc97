#include "core/features/readings/ReadingOperations.h"

#include "core/base/RequestBytes.h"
#include "core/engine/Engine.h"
#include "core/engine/LibraryCallBodies.h"
#include "core/features/readings/EventLog.h"
#include "core/features/readings/PrintedReadings.h"
#include "core/features/readings/ReadingTexts.h"
#include "core/features/usersettings/UserSettings.h"

#include <cstring>
#include <string>

namespace morvelan {
namespace {

using E = LibraryEntries;
using Arg = WorkerArgument;
using bodies::noArgument;
using bodies::wholeText;

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

int zReduction(Engine& engine, Arg& a) {
    const auto d = std::span<const char>(a.data);
    char reserved[kZReductionReservedSize] = {};
    if (d.size() >= kZReductionReservedOffset + kZReductionReservedSize) {
        std::memcpy(reserved, d.data() + kZReductionReservedOffset, sizeof reserved);
    }
    return engine.call(&E::RelatorioFiscal_RZ,
                       textAt(d, kZReductionDateOffset, kDateLength + 1).c_str(),
                       textAt(d, kZReductionTimeOffset, kTimeLength + 1).c_str(),
                       intAt(d, kZReductionActionOffset), reserved);
}

int fiscalMemoryReading(Engine& engine, Arg& a) {
    const auto d = std::span<const char>(a.data);
    const int mode = 4 + 2 * intAt(d, kRangeFirstIndexOffset) + intAt(d, kRangeSecondIndexOffset);
    return engine.call(&E::RelatorioFiscal_Leitura_MF,
                       textAt(d, kRangeStartOffset, kRangeLength + 1).c_str(),
                       textAt(d, kRangeEndOffset, kRangeEndSendWidth).c_str(), mode, "", "", 0, 0);
}

int detailMemoryReading(Engine& engine, Arg& a) {
    const auto d = std::span<const char>(a.data);
    const std::string start = textAt(d, kRangeStartOffset, kRangeLength + 1);
    const std::string end = textAt(d, kRangeEndOffset, kRangeEndSendWidth);
    switch (intAt(d, kRangeFirstIndexOffset)) {
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

int microswitches(Engine& engine, Arg& a) {
    unsigned short switches = 0;
    const int result = engine.call(&E::Obter_Estado_Microchaves, &switches);
    if (result == 0) {
        putValue<unsigned short>(a.data, 0, switches);
    }
    return result;
}

int eventLog(Engine& engine, Arg& a) {
    char log[kEventLogTextLength + 1] = {};
    char count[kEventLogCountLength + 1] = {};
    const int result = engine.call(&E::Obter_Log_Comandos, log, count);
    if (result == 0) {
        putText(a.data, 0, bufferText(log, kEventLogTextLength), kEventLogTextLength);
        putText(a.data, kEventLogCountOffset, bufferText(count, kEventLogCountLength),
                kEventLogCountLength);
    }
    return result;
}

} // namespace

void registerReadingOperations(Engine& engine) {
    OperationTable& t = engine.operations();
    // "Verificar comunicação" always looks for the printer anew.
    t.add(1, 1,
          {.body = communicationCheck, .beforeRun = [](Engine& e) { e.detectionNeeded = 1; }});
    // The library's status reading repeats its last exchange, so a printer switched off since
    // then would still show as ready: the status is asked of the printer itself.
    t.add(7, 1, [](Engine& e, Arg&) {
        char status[21] = {};
        return e.askPrinterStatus(status);
    });
    t.add(kPrintedReadingsGroup, 1, noArgument<&E::RelatorioFiscal_LeituraX>);
    t.add(kPrintedReadingsGroup, 2, zReduction);
    t.add(kPrintedReadingsGroup, 3, fiscalMemoryReading);
    t.add(kPrintedReadingsGroup, 4, detailMemoryReading);
    t.add(kPrintedReadingsGroup, 5, noArgument<&E::RelatorioFiscal_Abrir_Dia>);

    OperationTable& r = engine.readings();
    r.add(7, 2, wholeText<&E::Obter_Dados_Impressora, kPrinterDataRecordSize - 1>);
    r.add(7, 6, wholeText<&E::Obter_Dados_Jornada, kFiscalDayRecordSize - 1>);
    // The operator reading of group 7 fills no form record of its own.
    r.add(7, 13,
          {.body = wholeText<&E::Obter_Operador, fiscal::kOperatorLength>, .takesData = false});
    r.add(7, 15, microswitches);
    r.add(7, 16, eventLog);
}

} // namespace morvelan
