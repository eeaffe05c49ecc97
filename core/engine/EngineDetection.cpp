// Printer detection: opens the port the library finds, reads which model answers there, and
// records the slot's port, model and generation.
#include "core/base/Cp1252.h"
#include "core/base/RequestBytes.h"
#include "core/base/TextTrim.h"
#include "core/engine/Engine.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <thread>

namespace morvelan {
namespace {

constexpr std::array<std::string_view, 3> kMkiiiModels = {"QP-L30 MKIII", "QP-L20 MKIII",
                                                          "QP-R4100 MKIII"};
constexpr std::size_t kModelOffset = 60;
constexpr std::size_t kModelWidth = 20;
constexpr std::size_t kMfdSerialOffset = 20;

// The printer data text pads its fields with spaces; nothing else is taken off them.
constexpr std::string_view kPadding = " ";

} // namespace

bool Engine::ensurePrinter() {
    bindPendingLibrary();
    if (detectionNeeded != 1) {
        return true;
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (libraryHandle == nullptr) {
            prompts_.message(kAlertTitle, kLibraryMissingMessage, PromptIcon::Error);
            frame_.closeMainWindow();
            return false;
        }
    }
    call(&LibraryEntries::Serial_Fechar_Porta);
    printerPresent[0] = 0;
    detectionDone[0].store(0, std::memory_order_release);
    std::thread detection([this] {
        try {
            detectSlot(0);
        } catch (...) {
        }
        detectionDone[0].store(1, std::memory_order_release);
    });
    frame_.waitForDetection(detectionDone[0]);
    detection.join();
    detectedCount = 0;
    for (const std::uint8_t present : printerPresent) {
        detectedCount += present == 1 ? 1 : 0;
    }
    if (detectedCount != 0) {
        detectionNeeded = 0;
    } else {
        prompts_.message(kAlertTitle, kNoPrinterMessage, PromptIcon::Information);
    }
    return true;
}

bool Engine::ensurePrinterForForm() {
    bindPendingLibrary();
    if (detectionNeeded != 1 || formDetectionTried_ || libraryHandle == nullptr) {
        return true;
    }
    formDetectionTried_ = true;
    return ensurePrinter();
}

void Engine::detectSlot(int slot) {
    const auto index = static_cast<std::size_t>(slot);
    ResultRecord& result = detectionResults[index];
    std::memset(&result, 0, sizeof result);
    char portNumber[7] = {};
    librarySemaphore.acquire();
    const int opened =
        call(&LibraryEntries::Serial_Abrir_PortaAD, openPortText[index].data(), portNumber);
    librarySemaphore.release();
    result.resultCode = opened;
    if (opened != 0) {
        result.resultCode = 1;
        printerPresent[index] = 0;
        return;
    }
    const int number = std::atoi(std::string(bufferText(portNumber, 6)).c_str());
    portName[index] = number == 0 ? std::string("USB") : "COM" + std::to_string(number);
    printerPresent[index] = 1;

    char printerData[110] = {};
    result.resultCode = call(&LibraryEntries::Obter_Dados_Impressora, printerData);
    // The printer pads the model field with blanks; they would only widen every message and label
    // that names the printer, as in "( QP-R4100 MKIII      )".
    const std::string model =
        trimmed(bufferText(printerData + kModelOffset, kModelWidth), kPadding);
    modelName[index] = fromCp1252(model);
    // The serial numbers tell one printer from another of the same model in the service history.
    fiscalMemorySerial[index] = fromCp1252(trimmed(bufferText(printerData, kModelWidth), kPadding));
    mfdSerial[index] =
        fromCp1252(trimmed(bufferText(printerData + kMfdSerialOffset, kModelWidth), kPadding));

    isMkiii[index] = 0;
    for (const std::string_view prefix : kMkiiiModels) {
        if (model.starts_with(prefix)) {
            isMkiii[index] = 1;
        }
    }
}

} // namespace morvelan
