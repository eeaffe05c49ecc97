// The operation engine: one per main frame. It owns the bound library, the state of the printer
// slot and the operation being run, and runs every printer exchange on a worker thread while the
// frame waits modally. Which thread touches what:
//  - the user-interface thread calls every public operation and reads the state between runs;
//  - a worker (or the detection thread) touches only its slot's fields, its result record and the
//    request data, and sets its completion flag (release) last; the frame's wait reads the flag
//    (acquire) and the engine then joins the thread.
// Texts: result records hold Windows-1252; portName, modelName, tableErrorText and readErrorText
// hold UTF-8, ready for messages and labels.
#pragma once

#include "core/base/CommandFile.h"
#include "core/base/FrameServices.h"
#include "core/base/Prompts.h"
#include "core/base/ResultRecord.h"
#include "core/engine/KorvaLibrary.h"
#include "core/engine/OperationTable.h"
#include "core/engine/RawCommand.h"
#include "core/engine/SequenceOutcomes.h"
#include "core/engine/ServiceObserver.h"
#include "core/engine/StatusText.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <semaphore>
#include <span>
#include <string>
#include <string_view>

namespace morvelan {

// The program drives one printer at a time.
inline constexpr int kSlotCount = 1;
// Printer selection meaning every detected printer; also "no sequence" for sequenceStep.
inline constexpr int kAllPrinters = 99;
inline constexpr int kNoSequence = 99;

inline constexpr const char* kLibraryMissingMessage =
    "Arquivo InterfaceKorva.dll não encontrado!\n\nEste arquivo é fundamental para o "
    "funcionamento deste software.\n\nO Morvelan será fechado.";
inline constexpr const char* kNoPrinterMessage = "Nenhuma Impressora Fiscal detectada!\n";
inline constexpr const char* kOfflineResultLine = "ERRO - IMPRESSORA OFFLINE OU DESCONECTADA";
inline constexpr const char* kRawStatusCommand = "0001|0000";
// An operation code the program has no body for: nothing is sent, and the run is a failure.
inline constexpr const char* kUnavailableResultLine =
    "Função não disponível nesta versão do programa.";
inline constexpr int kUnavailableResultCode = -2;

// The caller's buffer of sendFile: the raw command, then per slot the answer and the outcome.
struct SendFileSlot {
    char answer[1025];
    ResultRecord result;
};
struct SendFileRequest {
    char command[kMaxRawCommand + 1];
    SendFileSlot slots[kSlotCount];
};

// Read outcome of a slot after readOperation.
enum : std::uint8_t { kReadNone = 0, kReadSucceeded = 1, kReadFailed = 2 };

class Engine {
public:
    // `programDirectory` holds default.cmd and kvkhist.khf. The engine starts without a body or a
    // reading: the feature modules add theirs through operations() and readings().
    Engine(BoundLibrary library, Prompts& prompts, FrameServices& frame,
           std::string programDirectory);
    ~Engine();
    // Leaves the library to be bound by `binder` when it is first needed, or at
    // bindPendingLibrary(), whichever comes first: a window is shown without waiting for it.
    void bindLater(std::function<BoundLibrary()> binder) { pendingLibrary_ = std::move(binder); }
    void bindPendingLibrary();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // The send path of every form: response panel, command file, detection, worker, progress
    // wait, after-effects, result. `data` is the form's request data (may be empty).
    void runOperation(int type, int step, std::span<char> data, int selection);
    // The "&Ler Configuração" path: reads the printer's values into `data`. True on success.
    bool readOperation(int type, int step, std::span<char> data, bool showMessages);
    // Status-only run: reads the clock and decodes the status into `result` (zero-filled first).
    void readStatus(ResultRecord& result);
    // True when the selected printer is in MIT mode (a blocked one is first sent the forced MIT
    // clock setting), or when no present printer matches the selection.
    bool checkMitMode(int selection);
    // Sends request.command with KORVA_Send_From_FileEX to each selected present printer.
    void sendFile(SendFileRequest& request, int selection);
    // Detects the printer while detectionNeeded is 1. False only when the program is closing.
    bool ensurePrinter();
    // The detection of a form being built, so that it shows the printer's tabs and the options
    // of its generation: ensurePrinter() while no printer is known, but only the first time.
    // A printer that is switched off would otherwise cost a port search and a message at every
    // pick in the tree; the operations keep detecting, so a printer switched on later is found
    // by the first read or send. Without the library it leaves the message to that operation.
    bool ensurePrinterForForm();
    // Reads and decodes the printer status of `slot` into `result`; nothing when not present.
    void decodeStatus(ResultRecord& result, int slot);
    // The library's own status reading repeats its last exchange; this asks the printer itself,
    // leaving the 20-character status text in `status`. Returns the library's result.
    int askPrinterStatus(char (&status)[21]);

    // What a body that fails before it reaches the printer leaves in its slot's record: `line`
    // (UTF-8) becomes the run's result line in place of the printer's status, which would
    // describe the printer's last exchange and could pass for a success.
    static void markNotSent(ResultRecord& result, std::string_view line);

    // Runs `job` on one worker per present slot that `selection` addresses and waits for them
    // behind the progress dialog. Returns the number of workers started. The other starters
    // (table clear, script, keys) use it.
    int runWorkers(int selection, const std::function<void(int slot)>& job);

    // Refreshes the window title from the working command file.
    void refreshTitle();
    // The working command file, through commandFilePath.
    CommandFileStore& commandFile() { return commandFile_; }

    // Calls an entry point of the bound library; a missing one answers kMissingEntryPoint.
    template <typename Entry, typename... Args>
    int call(Entry LibraryEntries::*entry, Args&&... args) const {
        return callEntry(libraryEntries, entry, std::forward<Args>(args)...);
    }

    // The keeper of the service history (not owned); null gives back the one that keeps nothing.
    void setServiceObserver(ServiceObserver* observer) {
        observer_ = observer != nullptr ? observer : &noObserver_;
    }
    ServiceObserver& serviceObserver() { return *observer_; }
    // Hands a finished run to the observer; whatever goes wrong there stays there.
    void reportRun(const RunReport& report) noexcept;

    OperationTable& operations() { return operations_; }
    OperationTable& readings() { return readings_; }
    Prompts& prompts() { return prompts_; }
    const std::string& programDirectory() const { return programDirectory_; }

    // ---- Main frame state, under the system's names ----
    void* libraryHandle = nullptr;
    LibraryEntries libraryEntries;
    std::string libraryDirectory;
    std::array<std::uint8_t, kSlotCount> printerPresent{};
    std::uint8_t detectionNeeded = 1;
    int detectedCount = 0;
    int sequenceStep = kNoSequence;
    SequenceOutcomes sequenceOutcomes{};
    std::string commandFilePath;
    std::array<std::array<char, 7>, kSlotCount> openPortText{};
    int operationType = 0;
    int operationStep = 0;
    std::array<std::string, kSlotCount> portName;
    std::array<std::string, kSlotCount> modelName;
    std::array<std::uint8_t, kSlotCount> isMkiii{};
    // The serial numbers of the fiscal memory and of the MFD, as detection read them (UTF-8).
    std::array<std::string, kSlotCount> fiscalMemorySerial;
    std::array<std::string, kSlotCount> mfdSerial;

    // ---- Operation state ----
    std::array<std::atomic<std::uint8_t>, kSlotCount> workerDone{};
    std::array<std::atomic<std::uint8_t>, kSlotCount> detectionDone{};
    std::array<ResultRecord, kSlotCount> resultRecords{};
    std::array<ResultRecord, kSlotCount> detectionResults{};
    std::array<std::string, kSlotCount> tableErrorText;
    std::array<std::uint8_t, kSlotCount> readOutcome{};
    std::array<std::string, kSlotCount> readErrorText;
    // The fiscal word of the last status decoded for each slot; none when it could not be read.
    std::array<std::optional<FiscalState>, kSlotCount> fiscalState;
    // Path of the key history file, set when operation 3.1 runs.
    std::string keyHistoryPath;
    std::binary_semaphore librarySemaphore{1};

private:
    // Takes the library's handle, entries and folder, at construction or when bound later.
    void adopt(BoundLibrary library);
    void runWorker(WorkerArgument& argument);
    void runReadWorker(WorkerArgument& argument);
    static void markUnavailable(ResultRecord& result);
    void detectSlot(int slot);
    void applyAfterEffects(const OperationEntry* entry, std::span<char> data, int selection);
    void noteSequenceRun(const OperationEntry* entry, std::span<const char> data);
    bool slotSelected(int slot, int selection, int presentSeen) const;

    // The status texts last decoded for each slot, in Windows-1252, with the status words and
    // the return code they came from: a script decodes the status before and after every
    // command, and only the return code changes often.
    struct DecodedTexts {
        std::optional<std::string> words;
        ResultRecord record{};
        std::optional<std::string> returnCode;
        std::string resultFrame; // the result line up to the library's message
    };
    const DecodedTexts& decodedTexts(int slot, std::string_view status);
    std::array<DecodedTexts, kSlotCount> decodedTexts_;

    Prompts& prompts_;
    FrameServices& frame_;
    std::string programDirectory_;
    CommandFileStore commandFile_;
    OperationTable operations_;
    OperationTable readings_;
    NoServiceObserver noObserver_;
    ServiceObserver* observer_ = &noObserver_;
    std::function<BoundLibrary()> pendingLibrary_;
    bool formDetectionTried_ = false;
};

} // namespace morvelan
