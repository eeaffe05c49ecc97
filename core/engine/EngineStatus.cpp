// The status reading that ends every worker: the printer's status text, decoded into the result
// record's Windows-1252 texts.
#include "core/base/Cp1252.h"
#include "core/base/RequestBytes.h"
#include "core/engine/Engine.h"
#include "core/engine/StatusText.h"

#include <algorithm>
#include <cstring>

namespace morvelan {
namespace {

template <std::size_t N> void putRecordText(char (&field)[N], std::string_view utf8) {
    std::memset(field, 0, N);
    const std::string bytes = toCp1252(utf8);
    std::memcpy(field, bytes.data(), std::min(bytes.size(), N - 1));
}

template <std::size_t N>
void putRecordBytes(char (&field)[N], std::string_view cp1252, std::string_view more = {}) {
    std::memset(field, 0, N);
    const std::size_t first = std::min(cp1252.size(), N - 1);
    std::memcpy(field, cp1252.data(), first);
    if (!more.empty()) {
        std::memcpy(field + first, more.data(), std::min(more.size(), N - 1 - first));
    }
}

template <std::size_t N> void copyField(char (&field)[N], const char (&from)[N]) {
    std::memcpy(field, from, N);
}

} // namespace

void Engine::markUnavailable(ResultRecord& result) {
    std::memset(&result, 0, sizeof result);
    result.resultCode = kUnavailableResultCode;
    putRecordText(result.resultLine, kUnavailableResultLine);
}

void Engine::markNotSent(ResultRecord& result, std::string_view line) {
    putRecordText(result.resultLine, line);
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
    const std::string_view statusText = bufferText(status, 20);
    fiscal = fiscalStateOf(statusText);
    const DecodedTexts& texts = decodedTexts(slot, statusText);
    copyField(result.fieldErrorText, texts.record.fieldErrorText);
    copyField(result.portStatusText, texts.record.portStatusText);
    copyField(result.printerStatusText, texts.record.printerStatusText);
    copyField(result.fiscalStatusText, texts.record.fiscalStatusText);
    if (texts.returnCode == "0000") {
        putRecordBytes(result.resultLine, texts.resultFrame);
        return;
    }
    char text[101] = {};
    call(&LibraryEntries::Obter_Mensagem_Erro, texts.returnCode->c_str(), text);
    // The library's message is already Windows-1252; only the frame around it is converted.
    putRecordBytes(result.resultLine, texts.resultFrame, bufferText(text, 100));
}

const Engine::DecodedTexts& Engine::decodedTexts(int slot, std::string_view status) {
    DecodedTexts& texts = decodedTexts_[static_cast<std::size_t>(slot)];
    const std::string_view words = status.substr(0, kStatusWordsLength);
    if (texts.words != words) {
        const DecodedStatus decoded = decodeStatusText(status);
        putRecordText(texts.record.fieldErrorText, decoded.fieldErrorText);
        putRecordText(texts.record.portStatusText, decoded.portStatusText);
        putRecordText(texts.record.printerStatusText, decoded.printerStatusText);
        putRecordText(texts.record.fiscalStatusText, decoded.fiscalStatusText);
        texts.words = words;
    }
    std::string returnCode = statusReturnCode(status);
    if (texts.returnCode != returnCode) {
        texts.resultFrame = toCp1252(resultLineFor(returnCode, ""));
        texts.returnCode = std::move(returnCode);
    }
    return texts;
}

} // namespace morvelan
