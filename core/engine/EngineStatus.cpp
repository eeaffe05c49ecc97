// The status reading that ends every worker: the printer's status text, decoded into the result
// record's Windows-1252 texts.
#include "core/base/Cp1252.h"
#include "core/base/RequestBytes.h"
#include "core/engine/Engine.h"
#include "core/engine/StatusText.h"

#include <cstring>

namespace morvelan {
namespace {

template <std::size_t N> void putRecordText(char (&field)[N], std::string_view utf8) {
    std::memset(field, 0, N);
    const std::string bytes = toCp1252(utf8);
    std::memcpy(field, bytes.data(), std::min(bytes.size(), N - 1));
}

template <std::size_t N> void putRecordBytes(char (&field)[N], std::string_view cp1252) {
    std::memset(field, 0, N);
    std::memcpy(field, cp1252.data(), std::min(cp1252.size(), N - 1));
}

} // namespace

void Engine::markUnavailable(ResultRecord& result) {
    std::memset(&result, 0, sizeof result);
    result.resultCode = kUnavailableResultCode;
    putRecordText(result.resultLine, kUnavailableResultLine);
}

int Engine::askPrinterStatus(char (&status)[21]) {
    std::memset(status, 0, sizeof status);
    char answer[10] = {};
    return call(&LibraryEntries::Send_From_FileEXX, kRawStatusCommand, status, answer);
}

void Engine::decodeStatus(ResultRecord& result, int slot) {
    if (printerPresent[static_cast<std::size_t>(slot)] != 1) {
        return;
    }
    auto& fiscal = fiscalState[static_cast<std::size_t>(slot)];
    fiscal.reset();
    char status[21] = {};
    int returned = call(&LibraryEntries::Obter_Estado_Impressora, status);
    // Right after the port was opened the library has no exchange to report on: ask the printer.
    if (returned == 1 && status[0] == '\0') {
        returned = askPrinterStatus(status);
    }
    if (returned != 0) {
        const std::int32_t operationCode = returned;
        std::memset(&result, 0, sizeof result);
        result.resultCode = operationCode;
        putRecordText(result.resultLine, kOfflineResultLine);
        return;
    }
    const DecodedStatus decoded = decodeStatusText(bufferText(status, 20));
    fiscal = fiscalStateOf(bufferText(status, 20));
    putRecordText(result.fieldErrorText, decoded.fieldErrorText);
    putRecordText(result.portStatusText, decoded.portStatusText);
    putRecordText(result.printerStatusText, decoded.printerStatusText);
    putRecordText(result.fiscalStatusText, decoded.fiscalStatusText);
    std::string message;
    if (decoded.returnCode != "0000") {
        char text[101] = {};
        call(&LibraryEntries::Obter_Mensagem_Erro, decoded.returnCode.c_str(), text);
        message = bufferText(text, 100);
    }
    // The library's message is already Windows-1252; only the frame around it is converted.
    putRecordBytes(result.resultLine, toCp1252(resultLineFor(decoded.returnCode, "")) + message);
}

} // namespace morvelan
