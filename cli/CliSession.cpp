#include "CliSession.h"

#include "CliSignals.h"
#include "CliTexts.h"
#include "core/base/AtomicFile.h"
#include "core/base/Cp1252.h"
#include "core/base/RegularFile.h"
#include "core/base/RequestBytes.h"
#include "core/base/ResultTexts.h"
#include "core/base/StartupEnvironment.h"
#include "core/engine/FunctionCatalogue.h"
#include "core/engine/FunctionNames.h"
#include "core/engine/RawCommand.h"
#include "core/features/backup/BackupSession.h"
#include "core/features/backup/BackupSettings.h"
#include "core/features/backup/CommandFileDiff.h"
#include "core/features/sealing/ProfileSealing.h"
#include "core/features/tables/ChangePlan.h"
#include "core/modules/CoreModules.h"
#include "core/scripts/check/ScriptCheck.h"
#include "core/scripts/dictionary/AnswerFields.h"
#include "core/scripts/dictionary/CommandDictionary.h"
#include "core/scripts/dictionary/DictionaryFile.h"
#include "core/scripts/executor/ScriptRunner.h"
#include "core/scripts/scriptfile/ScriptFile.h"

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <vector>

namespace morvelan::cli {
namespace {

std::string useText(const FunctionUse& use) {
    if (!use.tool.empty()) {
        return std::string(use.tool);
    }
    if (use.sends) {
        return use.reading ? "envia e lê" : "envia";
    }
    // The status check and the readings change nothing on the printer.
    return "lê";
}

// The functions apply can send, one "  06.02 Clichê" a line, in tree order.
std::string appliableFunctions() {
    std::string list;
    for (const FunctionUse& use : functionUses()) {
        if (use.code.type == 6 && backup::sendableSetting(use.code.step)) {
            list +=
                "\n  " + codeText(6, use.code.step) + " " + std::string(itemName(6, use.code.step));
        }
    }
    return list;
}

// run and check refuse a script the same way: a folder, a FIFO or an oversized file is not read.
bool scriptReadable(const RegularFile& file, const std::string& script, std::FILE* err) {
    if (!file.isOpen()) {
        std::fprintf(err, "morvelan-cli: não foi possível ler o script %s: %s\n", script.c_str(),
                     file.fault().text.c_str());
    }
    return file.isOpen();
}

} // namespace

int listFunctions(std::FILE* out) {
    // Tab-separated, so that a script can cut the columns.
    for (const FunctionUse& use : functionUses()) {
        const auto [type, step] = use.code;
        const std::string line = codeText(type, step) + "\t" + std::string(groupName(type)) +
                                 " :: " + std::string(itemName(type, step)) + "\t" + useText(use) +
                                 "\n";
        std::fwrite(line.data(), 1, line.size(), out);
    }
    return kExitSuccess;
}

int diffCommandFiles(const std::string& held, const std::string& file, std::FILE* out,
                     std::FILE* err) {
    const auto compared = backup::compareCommandFiles(held, file);
    if (const auto* fault = std::get_if<std::string>(&compared)) {
        std::fprintf(err, "morvelan-cli: %s\n", fault->c_str());
        return kExitUsage;
    }
    const auto& comparison = std::get<backup::FileComparison>(compared);
    std::fputs(comparison.text.c_str(), out);
    return comparison.differ ? kExitFailed : kExitSuccess;
}

CliSession::CliSession(const Options& options, std::FILE* out, std::FILE* err, std::FILE* in,
                       bool interactive)
    : out_(out), err_(err), in_(in), interactive_(interactive), yes_(options.yes),
      stopOnError_(options.stopOnError), step_(options.step),
      prompts_(err, in, interactive && !options.yes) {
    // --home, else the program's own choice: the same files the window program uses.
    const auto files = prepareProgramFiles(options.home ? options.home->c_str() : nullptr);
    engine_ = std::make_unique<Engine>(
        bindLibrary(files.libraryDirectory,
                    prepareLibraryLogDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"))),
        prompts_, frame_, files.dataDirectory);
    registerCoreModules(*engine_);
    history_ = std::make_unique<CliHistoryRecording>(*engine_, err_);
}

int CliSession::detect() {
    // Without the library or a printer the engine has said so through the prompts.
    if (!engine_->ensurePrinter() || engine_->libraryHandle == nullptr ||
        engine_->printerPresent[0] != 1) {
        return kExitNoPrinter;
    }
    return kExitSuccess;
}

void CliSession::printTexts(const ResultRecord& result, std::FILE* to) {
    const auto texts = resultTexts(result);
    for (std::size_t i = 0; i < kResultTextCount; ++i) {
        std::fprintf(to != nullptr ? to : out_, "%s %s\n", kResultCaptions[i], texts[i].c_str());
    }
}

int CliSession::status() {
    if (const int code = detect(); code != kExitSuccess) {
        return code;
    }
    ResultRecord result{};
    engine_->readStatus(result);
    printTexts(result);
    return result.resultCode == 0 && succeeded(result) ? kExitSuccess : kExitFailed;
}

int CliSession::send(const std::string& command) {
    const RawCommandLine line = rawCommandLine(command);
    if (!line.refusal.empty()) {
        std::fprintf(err_, "morvelan-cli: %s\n", line.refusal.c_str());
        return kExitUsage;
    }
    const std::string& raw = line.bytes;
    auto request = std::make_unique<SendFileRequest>();
    std::memset(request.get(), 0, sizeof *request);
    std::memcpy(request->command, raw.data(), raw.size());
    if (!dictionaryReadable()) {
        return kExitUsage;
    }
    if (const int code = detect(); code != kExitSuccess) {
        return code;
    }
    engine_->sendFile(*request, kAllPrinters);
    const SendFileSlot& slot = request->slots[0];
    // The answer's fields, named as the generator names them.
    auto dictionary = std::make_unique<CommandDictionary>();
    LoadCommandDictionary(engine_->programDirectory(), prompts_, *dictionary);
    const auto found = FindCommandForEditorLine(*dictionary, raw);
    const std::string_view answer = bufferText(slot.answer, sizeof slot.answer - 1);
    for (const NamedField& field :
         NamedAnswerFields(found ? &CommandAt(*dictionary, *found) : nullptr, answer)) {
        std::fprintf(out_, "%s\n", AnswerFieldText(field).c_str());
    }
    printTexts(slot.result);
    return slot.result.resultCode == 0 && succeeded(slot.result) ? kExitSuccess : kExitFailed;
}

bool CliSession::dictionaryReadable() {
    const std::filesystem::path path = dictionary::DictionaryPath(engine_->programDirectory());
    const RegularFile file(path.string(), dictionary::kDictionaryBound);
    if (const auto refusal =
            file.isOpen() ? std::nullopt : dictionary::DictionaryRefusal(path, file.fault())) {
        std::fprintf(err_, "morvelan-cli: %s\n", refusal->c_str());
        return false;
    }
    return true;
}

int CliSession::run(const std::string& script) {
    // Answers read from a file or a pipe would send commands nobody looked at.
    if (step_ && !interactive_) {
        std::fputs("morvelan-cli: --step precisa de um terminal para responder a cada comando; "
                   "sem terminal, use --stop-on-error\n",
                   err_);
        return kExitUsage;
    }
    if (!scriptReadable(RegularFile(script, kScriptFileBound), script, err_) ||
        !dictionaryReadable()) {
        return kExitUsage;
    }
    // At a terminal the technician loads paper and presses Enter; unattended (no terminal, or
    // --yes) the run ends there.
    ScriptWorkerOptions options{.stopOnLowPaper = !prompts_.waitsForEnter(),
                                .stopOnError = stopOnError_};
    if (step_) {
        options.step = [this](const std::string& line) { return prompts_.askStep(line); };
    }
    ScriptRunner runner(*engine_, options);
    raiseOnStopSignal(&runner.scriptStopRequested);
    // The first printer's log goes out as it is written: a run of millions of commands never
    // holds it, and a run cut short has said what it did.
    const ScriptWorkerOutcome outcome = runner.runScript(
        script,
        [out = out_](int slot) -> ScriptLog::Destination {
            if (slot != 0) {
                return {};
            }
            return [out](std::string_view piece) {
                std::fwrite(piece.data(), 1, piece.size(), out);
                std::fflush(out);
            };
        },
        kAllPrinters);
    raiseOnStopSignal(nullptr);
    if (engine_->libraryHandle == nullptr || engine_->printerPresent[0] != 1) {
        return kExitNoPrinter;
    }
    if (!outcome.stopReason.empty()) {
        std::fprintf(err_, "morvelan-cli: %s\n", outcome.stopReason.c_str());
    }
    return outcome.commandsFailed == 0 && !outcome.stopped ? kExitSuccess : kExitFailed;
}

int CliSession::check(const std::string& script) {
    RegularFile file(script, kScriptFileBound);
    if (!scriptReadable(file, script, err_) || !dictionaryReadable()) {
        return kExitUsage;
    }
    // A run goes on without the dictionary; a check without it would find every command unknown.
    auto dictionary = std::make_unique<CommandDictionary>();
    if (!LoadCommandDictionary(engine_->programDirectory(), prompts_, *dictionary)) {
        std::fprintf(
            err_, "morvelan-cli: sem o dicionário de comandos %s não há como conferir o script\n",
            dictionary::DictionaryPath(engine_->programDirectory()).c_str());
        return kExitUsage;
    }
    ScriptFileReader reader(file.release());
    const std::size_t findings =
        CheckScriptFile(reader, dictionary.get(), [this](const ScriptFinding& finding) {
            std::fputs(ScriptFindingText(finding).c_str(), out_);
        });
    std::fprintf(out_, "%s\n", ScriptCheckSummary(findings).c_str());
    return findings == 0 ? kExitSuccess : kExitFailed;
}

int CliSession::backup(const std::string& path) {
    // Asked before the printer is read: nothing is read for a file that will not be written.
    if (const auto refusal = replacementRefusal(path)) {
        std::fprintf(err_, "morvelan-cli: %s\n", refusal->c_str());
        return kExitUsage;
    }
    std::error_code error;
    if (std::filesystem::exists(path, error) && !confirmReplacement(path)) {
        return kExitFailed;
    }
    const backup::BackupOutcome outcome = backup::writeBackup(*engine_, path, std::time(nullptr));
    switch (outcome.status) {
    case backup::BackupStatus::NoPrinter:
        return kExitNoPrinter;
    case backup::BackupStatus::WriteFailed:
        std::fprintf(err_, "morvelan-cli: %s\n", outcome.text.c_str());
        return kExitUsage;
    case backup::BackupStatus::NothingRead:
        std::fprintf(err_, "morvelan-cli: %s\n", outcome.text.c_str());
        return kExitFailed;
    case backup::BackupStatus::Saved:
        break;
    }
    std::fprintf(out_, "%s", outcome.text.c_str());
    return outcome.complete ? kExitSuccess : kExitFailed;
}

bool CliSession::confirmReplacement(const std::string& path) {
    if (stopSignal() != 0) {
        std::fputs("morvelan-cli: nada foi gravado\n", err_);
        return false;
    }
    if (yes_) {
        return true;
    }
    if (!interactive_) {
        std::fprintf(err_,
                     "morvelan-cli: nada foi gravado: o arquivo %s já existe e não há terminal "
                     "para confirmar; use --yes para substituí-lo\n",
                     path.c_str());
        return false;
    }
    const std::string question = "O arquivo " + path + " já existe. Substituir?";
    if (answeredYes(question.c_str())) {
        return true;
    }
    std::fputs("morvelan-cli: nada foi gravado\n", err_);
    return false;
}

bool CliSession::answeredYes(const char* question) {
    std::fprintf(err_, "%s [s/N] ", question);
    std::fflush(err_);
    const std::optional<std::string> answer = prompts_.readLine();
    if (!answer) {
        // Ended by the input's end or a signal, not by Enter: the line is still open.
        std::fputs("\n", err_);
    }
    return answer && !answer->empty() && (answer->front() == 's' || answer->front() == 'S');
}

bool CliSession::confirmRestore(const std::string& plan) {
    return confirmPlan(plan, "Restaurar estas configurações no ECF?", "restaurar");
}

bool CliSession::confirmPlan(const std::string& plan, const char* question, const char* action) {
    std::fprintf(out_, "%s\n", plan.c_str());
    std::fflush(out_);
    return confirm({err_, in_, yes_, interactive_}, question, action, "nada foi enviado");
}

int CliSession::restore(const std::string& path) {
    return reportTransfer(backup::restoreFromFile(
        *engine_, path, [this](const std::string& plan) { return confirmRestore(plan); }));
}

int CliSession::apply(const std::string& path, const std::optional<std::string>& only) {
    std::vector<int> steps;
    for (const auto& [type, step] :
         only ? *parseFunctionCodes(*only) : std::vector<std::pair<int, int>>{}) {
        if (type != 6 || !backup::sendableSetting(step)) {
            std::fprintf(err_,
                         "morvelan-cli: %s não é aplicada a partir de um arquivo de comandos; "
                         "estas são:%s\n",
                         codeText(type, step).c_str(), appliableFunctions().c_str());
            return kExitUsage;
        }
        steps.push_back(step);
    }
    return reportTransfer(
        backup::applyFromFile(*engine_, path, steps, [this](const std::string& plan) {
            return confirmPlan(plan, "Aplicar estas configurações no ECF?", "aplicar");
        }));
}

int CliSession::reportTransfer(const backup::RestoreOutcome& outcome) {
    switch (outcome.status) {
    case backup::RestoreStatus::BadFile:
        std::fprintf(err_, "morvelan-cli: %s\n", outcome.text.c_str());
        return kExitUsage;
    case backup::RestoreStatus::NoPrinter:
        return kExitNoPrinter;
    case backup::RestoreStatus::NotInMit:
        std::fprintf(err_, "morvelan-cli: %s\n%s\n", tables::kNotInMitReason, outcome.text.c_str());
        return kExitFailed;
    case backup::RestoreStatus::ReadFailed:
        std::fprintf(err_, "morvelan-cli: %s\n", outcome.text.c_str());
        return kExitFailed;
    case backup::RestoreStatus::Declined:
        return kExitFailed;
    case backup::RestoreStatus::NothingToChange:
    case backup::RestoreStatus::Restored:
    case backup::RestoreStatus::Incomplete:
        break;
    }
    std::fprintf(out_, "%s", outcome.text.c_str());
    return outcome.status == backup::RestoreStatus::Incomplete ? kExitFailed : kExitSuccess;
}

int CliSession::seal(const std::string& path, bool clockFromPc) {
    const auto onStep = [this](const sealing::StepReport& report) {
        const std::string label = sealing::stepLabel(report.number, report.step);
        const std::string line = fromCp1252Field(report.result.resultLine);
        std::fprintf(out_, "%s ... %s\n", label.c_str(),
                     line.empty() ? "sem resposta" : line.c_str());
        std::fflush(out_);
        if (report.succeeded) {
            return;
        }
        std::fprintf(err_, "morvelan-cli: a lacração parou no %s\n", label.c_str());
        if (!line.empty()) {
            printTexts(report.result, err_);
        }
        std::fputs(report.failure.c_str(), err_);
    };
    const sealing::SealOutcome outcome = sealing::sealFromProfile(
        *engine_, path, clockFromPc, std::time(nullptr),
        [this](const std::string& plan) {
            return confirmPlan(plan, "Executar a sequência de lacração no ECF?", "lacrar");
        },
        onStep);
    switch (outcome.status) {
    case sealing::SealStatus::BadProfile:
        std::fprintf(err_, "morvelan-cli: %s\n", outcome.text.c_str());
        return kExitUsage;
    case sealing::SealStatus::NoPrinter:
        return kExitNoPrinter;
    case sealing::SealStatus::Refused:
        std::fprintf(err_, "morvelan-cli: %s\n", outcome.text.c_str());
        return kExitFailed;
    case sealing::SealStatus::Declined:
    case sealing::SealStatus::Failed:
        return kExitFailed;
    case sealing::SealStatus::Sealed:
        break;
    }
    std::fprintf(out_, "%s\n", sealing::kSealedText);
    return kExitSuccess;
}

} // namespace morvelan::cli
