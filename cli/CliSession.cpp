#include "CliSession.h"

#include "core/base/Cp1252.h"
#include "core/base/RequestBytes.h"
#include "core/base/StartupEnvironment.h"
#include "core/features/backup/BackupSession.h"
#include "core/modules/CoreModules.h"
#include "core/scripts/dictionary/CommandDictionary.h"
#include "core/scripts/executor/ScriptRunner.h"

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace morvelan::cli {
namespace {

bool succeeded(const ResultRecord& result) {
    return fromCp1252Field(result.resultLine) == kSuccessResultLine;
}

} // namespace

CliSession::CliSession(const Options& options, std::FILE* out, std::FILE* err, std::FILE* in,
                       bool interactive)
    : out_(out), err_(err), in_(in), interactive_(interactive), yes_(options.yes),
      prompts_(err, in, interactive && !options.yes) {
    // --home, else the program's own choice: the same files the window program uses.
    const auto files = prepareProgramFiles(options.home ? options.home->c_str() : nullptr);
    auto logBase = userDataDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    engine_ = std::make_unique<Engine>(
        bindLibrary(files.libraryDirectory, libraryLogDirectory(logBase.empty() ? "." : logBase)),
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

void CliSession::printTexts(const ResultRecord& result) {
    std::fprintf(out_,
                 "Estado da Execução do Comando: %s\nEstado dos Parâmetros: %s\n"
                 "Estado da Comunicação: %s\nEstado da Impressora: %s\n"
                 "Estado Fiscal da Impressora: %s\n",
                 fromCp1252Field(result.resultLine).c_str(),
                 fromCp1252Field(result.fieldErrorText).c_str(),
                 fromCp1252Field(result.portStatusText).c_str(),
                 fromCp1252Field(result.printerStatusText).c_str(),
                 fromCp1252Field(result.fiscalStatusText).c_str());
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
    const std::string raw = toCp1252(command);
    auto request = std::make_unique<SendFileRequest>();
    std::memset(request.get(), 0, sizeof *request);
    if (raw.size() >= sizeof request->command) {
        std::fprintf(err_, "morvelan-cli: comando longo demais (%zu caracteres; no maximo %zu)\n",
                     raw.size(), sizeof request->command - 1);
        return kExitUsage;
    }
    std::memcpy(request->command, raw.data(), raw.size());
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
    int position = 0;
    std::size_t from = 0;
    while (from < answer.size()) {
        std::size_t bar = answer.find('|', from);
        bar = bar == std::string_view::npos ? answer.size() : bar;
        const std::string_view piece = answer.substr(from, bar - from);
        from = bar + 1;
        if (piece.empty()) {
            continue;
        }
        if (found) {
            const CommandEntry& entry = CommandAt(*dictionary, *found);
            const std::string name =
                position < kMaxResponses
                    ? fromCp1252(SlotText(entry.responseDescriptions[position]))
                    : std::string();
            std::fprintf(out_, "%s : %s\n", name.c_str(), fromCp1252(piece).c_str());
        } else {
            std::fprintf(out_, "Campo Não Identificado: %s\n", fromCp1252(piece).c_str());
        }
        ++position;
    }
    printTexts(slot.result);
    return slot.result.resultCode == 0 && succeeded(slot.result) ? kExitSuccess : kExitFailed;
}

int CliSession::run(const std::string& script) {
    {
        std::error_code error;
        std::FILE* probe = std::fopen(script.c_str(), "rb");
        if (probe == nullptr || std::filesystem::is_directory(script, error)) {
            if (probe != nullptr) {
                std::fclose(probe);
            }
            std::fprintf(err_, "morvelan-cli: nao foi possivel ler o script: %s\n", script.c_str());
            return kExitUsage;
        }
        std::fclose(probe);
    }
    // At a terminal the technician loads paper and presses Enter; unattended (no terminal, or
    // --yes) the run ends there.
    ScriptRunner runner(*engine_, {.stopOnLowPaper = !prompts_.waitsForEnter()});
    stop_ = &runner.scriptStopRequested;
    ScriptLogs logs;
    const ScriptWorkerOutcome outcome = runner.runScript(script, logs, kAllPrinters);
    stop_ = nullptr;
    if (engine_->libraryHandle == nullptr || engine_->printerPresent[0] != 1) {
        return kExitNoPrinter;
    }
    std::fwrite(logs[0].data(), 1, logs[0].size(), out_);
    std::fflush(out_);
    return outcome.commandsFailed == 0 && !outcome.stopped ? kExitSuccess : kExitFailed;
}

int CliSession::backup(const std::string& path) {
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

bool CliSession::confirmRestore(const std::string& plan) {
    std::fprintf(out_, "%s\n", plan.c_str());
    std::fflush(out_);
    if (yes_) {
        return true;
    }
    if (!interactive_) {
        std::fputs("morvelan-cli: nada foi enviado: sem terminal para confirmar; use --yes para "
                   "restaurar\n",
                   err_);
        return false;
    }
    std::fputs("Restaurar estas configuracoes no ECF? [s/N] ", err_);
    std::fflush(err_);
    const int answer = std::fgetc(in_);
    for (int c = answer; c != EOF && c != '\n'; c = std::fgetc(in_)) {
    }
    if (answer == 's' || answer == 'S') {
        return true;
    }
    std::fputs("morvelan-cli: nada foi enviado\n", err_);
    return false;
}

int CliSession::restore(const std::string& path) {
    const backup::RestoreOutcome outcome = backup::restoreFromFile(
        *engine_, path, [this](const std::string& plan) { return confirmRestore(plan); });
    switch (outcome.status) {
    case backup::RestoreStatus::BadFile:
        std::fprintf(err_, "morvelan-cli: %s\n", outcome.text.c_str());
        return kExitUsage;
    case backup::RestoreStatus::NoPrinter:
        return kExitNoPrinter;
    case backup::RestoreStatus::NotInMit:
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

} // namespace morvelan::cli
