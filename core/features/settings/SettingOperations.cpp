#include "core/features/settings/SettingOperations.h"

#include "core/base/RequestBytes.h"
#include "core/engine/Engine.h"
#include "core/engine/LibraryCallBodies.h"
#include "core/features/settings/SettingRecords.h"
#include "core/features/settings/SettingTexts.h"

#include <algorithm>
#include <array>
#include <string>

namespace morvelan::settings {
namespace {

using E = LibraryEntries;
using Arg = WorkerArgument;
using bodies::noArgument;
using bodies::oneText;
using bodies::wholeText;

// Forced entry into MIT: the fixed clock setting the printer recognises.
constexpr const char* kMitDate = "01012000";
constexpr const char* kMitTime = "000001";

int sendHeaderLines(Engine& engine, Arg& a) {
    const auto d = std::span<const char>(a.data);
    std::array<std::string, kHeaderLineCount> lines;
    for (std::size_t n = 0; n < kHeaderLineCount; ++n) {
        lines[n] = textAt(d, n * kHeaderLineWidth, kHeaderLineWidth);
    }
    return engine.call(&E::Configurar_Usuario, lines[0].c_str(), lines[1].c_str(), lines[2].c_str(),
                       lines[3].c_str(), textAt(d, kHeaderEcfOffset, kHeaderEcfWidth).c_str(),
                       textAt(d, kHeaderStoreOffset, kHeaderStoreWidth).c_str());
}

int sendClock(Engine& engine, Arg& a) {
    return engine.call(&E::Ajustar_Relogio,
                       textAt(a.data, kClockDateOffset, kClockDateWidth).c_str(),
                       textAt(a.data, kClockTimeOffset, kClockTimeWidth).c_str(), 1);
}

int sendIssqnDiscount(Engine& engine, Arg& a) {
    const char choice = a.data.empty() ? '\0' : a.data[0];
    if (choice == 'S') {
        return engine.call(&E::Configurar_Desconto_ISS, 1);
    }
    if (choice == 'N') {
        return engine.call(&E::Configurar_Desconto_ISS, 0);
    }
    return 0;
}

// The printer's own lines and numbers are kept whole for the form; the fields a send takes are
// then cut out of them, each line as long as this printer's lines are.
int readHeaderLines(Engine& engine, Arg& a) {
    const std::size_t width = a.isMkiii != 0 ? kMkiiiHeaderLineLength : kOlderHeaderLineLength;
    char lines[kHeaderReplyLength + 1] = {};
    int result = engine.call(&E::Obter_Cliche_Usuario, lines);
    putText(a.data, kHeaderReplyOffset, bufferText(lines, kHeaderReplyLength), kHeaderReplyLength);
    if (result != 0) {
        return result;
    }
    const std::string_view all = bufferText(lines, kHeaderReplyLength);
    for (std::size_t line = 0; line < kHeaderLineCount; ++line) {
        const std::size_t start = std::min(line * width, all.size());
        putText(a.data, line * kHeaderLineWidth, all.substr(start, width), width);
    }
    char numbers[kHeaderNumbersLength + 1] = {};
    result = engine.call(&E::Obter_Numero_ECF_Loja, numbers);
    putText(a.data, kHeaderNumbersOffset, bufferText(numbers, kHeaderNumbersLength),
            kHeaderNumbersLength);
    if (result != 0) {
        return result;
    }
    constexpr std::size_t kEcfLength = kHeaderEcfWidth - 1;
    constexpr std::size_t kStoreLength = kHeaderStoreWidth - 1;
    putText(a.data, kHeaderEcfOffset, bufferText(numbers, kEcfLength), kEcfLength);
    putText(a.data, kHeaderStoreOffset, bufferText(numbers + kEcfLength, kStoreLength),
            kStoreLength);
    return 0;
}

int readClock(Engine& engine, Arg& a) {
    constexpr std::size_t kDateLength = kClockDateWidth - 1;
    constexpr std::size_t kTimeLength = kClockTimeWidth - 1;
    char reading[kClockReplyLength + 1] = {};
    const int result = engine.call(&E::Obter_Hora_Relogio, reading);
    putText(a.data, kClockReplyOffset, bufferText(reading, kClockReplyLength), kClockReplyLength);
    if (result == 0) {
        putText(a.data, kClockDateOffset, bufferText(reading, kDateLength), kDateLength);
        putText(a.data, kClockTimeOffset, bufferText(reading + kDateLength, kTimeLength),
                kTimeLength);
    }
    return result;
}

int readDaylightSaving(Engine& engine, Arg& a) {
    int state = 0;
    const int result = engine.call(&E::Obter_Estado_Horario_Verao, &state);
    if (result == 0) {
        putValue<std::int32_t>(a.data, 0, state);
    }
    return result;
}

} // namespace

void registerSettingOperations(Engine& engine) {
    OperationTable& t = engine.operations();
    t.add(6, 1, [](Engine& e, Arg&) { return e.call(&E::Ajustar_Relogio, kMitDate, kMitTime, 0); });
    t.add(6, 2, sendHeaderLines);
    t.add(6, 3, oneText<&E::Configurar_Simbolo_Moeda, kCurrencyRecordSize>);
    t.add(6, 4,
          {.body = oneText<&E::Config_Serial_Impressora, kSpeedRecordSize>,
           .afterRun = [](Engine& e, std::span<char>, int) {
               if (e.printerPresent[0] == 1 && e.resultRecords[0].resultCode == 0) {
                   e.prompts().message(kAlertTitle, kPowerCycleMessage, PromptIcon::Information);
               }
           }});
    t.add(6, 5, sendClock);
    t.add(6, 6, noArgument<&E::Config_Horario_Verao>);
    t.add(6, 11, sendIssqnDiscount);
    t.add(6, 12, noArgument<&E::Iniciar_Nova_MFD>);

    OperationTable& r = engine.readings();
    r.add(6, 2, readHeaderLines);
    r.add(6, 3, wholeText<&E::Obter_Simbolo_Moeda, kCurrencyRecordSize - 1>);
    r.add(6, 5, readClock);
    r.add(6, 6, readDaylightSaving);
    r.add(6, 11, wholeText<&E::Obter_Desconto_Iss, kIssqnRecordSize - 1>);
}

} // namespace morvelan::settings
