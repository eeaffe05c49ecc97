#include "CliSession.h"

#include "core/Cp1252.h"
#include "core/RequestBytes.h"
#include "dictionary/CommandDictionary.h"
#include "executor/ScriptRunner.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace morvelan::cli {
namespace {

std::string userDataDirectory() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data != '\0') {
        return data;
    }
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + "/.local/share";
}

template <std::size_t N> std::string text(const char (&field)[N]) {
    return fromCp1252(bufferText(field, N));
}

bool succeeded(const ResultRecord& result) {
    return text(result.resultLine) == kSuccessResultLine;
}

} // namespace

std::string programDirectory(const Options& options) {
    if (options.home) {
        return *options.home;
    }
    if (const char* home = std::getenv("MORVELAN_HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : exe.parent_path().string();
}

CliSession::CliSession(const Options& options, std::FILE* out, std::FILE* err, std::FILE* in,
                       bool interactive)
    : out_(out), err_(err), interactive_(interactive),
      prompts_(err, in, interactive && !options.yes) {
    const std::string directory = programDirectory(options);
    engine_ =
        std::make_unique<Engine>(bindLibrary(directory, libraryLogDirectory(userDataDirectory())),
                                 prompts_, frame_, directory);
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
                 text(result.resultLine).c_str(), text(result.fieldErrorText).c_str(),
                 text(result.portStatusText).c_str(), text(result.printerStatusText).c_str(),
                 text(result.fiscalStatusText).c_str());
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

} // namespace morvelan::cli
