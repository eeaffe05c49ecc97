#include "CliHistory.h"

#include "CliOptions.h"
#include "core/base/StartupEnvironment.h"
#include "core/engine/Engine.h"
#include "core/engine/history/HistoryExport.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <map>

namespace morvelan::cli {
namespace {

// "AAAA-MM-DD" naming a day of the calendar: 2026-02-30 is refused as 2026-13-45 is.
bool isCalendarDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    for (const std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (std::isdigit(static_cast<unsigned char>(text[i])) == 0)
            return false;
    }
    const std::chrono::year_month_day date{
        std::chrono::year{std::stoi(text.substr(0, 4))},
        std::chrono::month{static_cast<unsigned>(std::stoi(text.substr(5, 2)))},
        std::chrono::day{static_cast<unsigned>(std::stoi(text.substr(8, 2)))}};
    return date.ok();
}

// "3 operações e 1 intervenção".
std::string countText(const history::PruneCount& count) {
    const auto noun = [](std::int64_t n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    return noun(count.operations, "operação", "operações") + " e " +
           noun(count.interventions, "intervenção", "intervenções");
}

std::string historyPath(const std::string& directory) {
    return directory + "/" + history::kHistoryFileName;
}

} // namespace

std::optional<HistoryOptions> parseHistoryOptions(const std::vector<std::string>& args,
                                                  std::string& error) {
    HistoryOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "history") {
            continue;
        }
        if (arg == "--yes" || arg == "-y") {
            options.yes = true;
            continue;
        }
        if (arg == "--csv" || arg == "--prune") {
            (arg == "--csv" ? options.csv : options.prune) = true;
            continue;
        }
        if (arg.starts_with("--home=") && arg.size() > 7) {
            options.home = arg.substr(7); // as the other commands take it
            continue;
        }
        if (arg != "--serial" && arg != "--since" && arg != "--before" && arg != "--home") {
            error = "opção desconhecida: " + arg;
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = arg + " precisa de um valor";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (arg == "--serial") {
            options.serial = value;
        } else if (arg == "--home") {
            options.home = value;
        } else if (!isCalendarDate(value)) {
            error = "data inválida em " + arg + " (use AAAA-MM-DD): " + value;
            return std::nullopt;
        } else {
            (arg == "--since" ? options.since : options.before) = value;
        }
    }
    if (options.prune != options.before.has_value()) {
        error = "--prune e --before AAAA-MM-DD vão juntos";
        return std::nullopt;
    }
    if (options.prune && (options.serial || options.since || options.csv)) {
        error = "--prune não se combina com --serial, --since ou --csv";
        return std::nullopt;
    }
    return options;
}

int printHistory(const std::string& directory, const HistoryOptions& options, std::FILE* out,
                 std::FILE* err) {
    const history::HistoryDatabase database(historyPath(directory), history::OpenMode::ReadOnly);
    if (database.state() == history::HistoryState::Damaged ||
        database.state() == history::HistoryState::NewerSchema ||
        database.state() == history::HistoryState::Unavailable) {
        std::fprintf(err, "morvelan-cli: %s\n", database.problem().c_str());
        return kExitFailed;
    }
    history::HistoryFilter filter;
    filter.serial = options.serial;
    filter.since = options.since;
    const auto entries = database.entries(filter);
    const auto printers = database.printers();
    if (options.csv) {
        const std::string csv = history::toCsv(entries, printers);
        std::fwrite(csv.data(), 1, csv.size(), out);
        return kExitSuccess;
    }
    std::map<std::int64_t, const history::PrinterSeen*> byId;
    for (const auto& printer : printers)
        byId[printer.id] = &printer;
    for (const auto& entry : entries) {
        const auto found = entry.printerId ? byId.find(*entry.printerId) : byId.end();
        const std::string printer = found != byId.end() ? found->second->key.model + " " +
                                                              found->second->key.fiscalMemorySerial
                                                        : std::string("-");
        std::fprintf(out, "%s  %s  %s  %s\n", entry.startedAt.c_str(), printer.c_str(),
                     history::listedFunction(entry).c_str(), history::listedOutcome(entry).c_str());
    }
    return kExitSuccess;
}

int pruneHistory(const std::string& directory, const std::string& before, std::FILE* out,
                 const Confirmation& how) {
    const std::string path = historyPath(directory);
    if (!std::filesystem::exists(path)) {
        std::fprintf(out, "Nada a apagar: não há histórico em %s.\n", path.c_str());
        return kExitSuccess;
    }
    history::HistoryDatabase database(path);
    if (!database.writable()) {
        std::fprintf(how.err, "morvelan-cli: %s\n", database.problem().c_str());
        return kExitFailed;
    }
    const history::PruneCount planned = database.countBefore(before);
    if (planned.operations == 0 && planned.interventions == 0) {
        std::fprintf(out, "Nada a apagar: nenhum registro do histórico começou antes de %s.\n",
                     before.c_str());
        return kExitSuccess;
    }
    std::fprintf(out, "Apagar do histórico %s que começaram antes de %s (o histórico ocupa %s).\n",
                 countText(planned).c_str(), before.c_str(),
                 history::sizeText(database.sizeOnDisk()).c_str());
    std::fflush(out);
    if (!confirm(how, "Apagar estes registros do histórico?", "apagar", "nada foi apagado")) {
        return kExitFailed;
    }
    const auto pruned = database.prune(before);
    if (!pruned) {
        std::fprintf(how.err, "morvelan-cli: %s\n", database.problem().c_str());
        return kExitFailed;
    }
    if (!database.problem().empty()) {
        std::fprintf(how.err, "morvelan-cli: %s\n", database.problem().c_str());
    }
    std::fprintf(out, "Apagados %s; o histórico ocupa agora %s.\n", countText(*pruned).c_str(),
                 history::sizeText(database.sizeOnDisk()).c_str());
    return kExitSuccess;
}

bool isHistoryCommand(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--home") {
            ++i;
        } else if (!args[i].starts_with("-")) {
            return args[i] == "history";
        }
    }
    return false;
}

int runHistory(const std::vector<std::string>& args, std::FILE* out, std::FILE* err, std::FILE* in,
               bool interactive) {
    std::string error;
    const auto options = parseHistoryOptions(args, error);
    if (!options) {
        std::fprintf(err, "morvelan-cli: %s\n\n%s", error.c_str(), kHistoryUsage);
        return kExitUsage;
    }
    const ProgramFiles files =
        prepareProgramFiles(options->home ? options->home->c_str() : nullptr);
    if (options->prune) {
        return pruneHistory(files.dataDirectory, *options->before, out,
                            {err, in, options->yes, interactive});
    }
    return printHistory(files.dataDirectory, *options, out, err);
}

CliHistoryRecording::CliHistoryRecording(Engine& engine, std::FILE* err)
    : engine_(engine), database_(historyPath(engine.programDirectory())),
      recorder_(database_, [err](const std::string& problem) {
          std::fprintf(err, "morvelan-cli: %s\n", problem.c_str());
      }) {
    engine_.setServiceObserver(&recorder_);
}

CliHistoryRecording::~CliHistoryRecording() {
    engine_.setServiceObserver(nullptr);
}

} // namespace morvelan::cli
