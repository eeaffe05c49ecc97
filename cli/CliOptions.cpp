#include "CliOptions.h"

#include <algorithm>
#include <string_view>

namespace morvelan::cli {

const char* const kUsageHint = "\"morvelan-cli --help\" mostra os comandos e as opções.\n";

const char* const kUsage =
    "Uso: morvelan-cli [--home DIR] [--yes] [--json] COMANDO [ARGUMENTO]\n"
    "\n"
    "Comandos:\n"
    "  status             detecta a impressora e mostra o seu estado\n"
    "  send 'CCCC|EEEE|...'  envia um comando e mostra a resposta\n"
    "  run ARQUIVO.SEQ [--stop-on-error] [--step]\n"
    "                     executa o script; o registro dos comandos vai para a saída padrão;\n"
    "                     com --stop-on-error, para no primeiro comando que não responder 0000;\n"
    "                     com --step (num terminal), mostra cada comando: Enter envia, n pula,\n"
    "                     q para\n"
    "  check ARQUIVO.SEQ  confere o script com o dicionário de comandos, sem a impressora;\n"
    "                     sai com 0 sem problemas, 1 com problemas, 2 se não puder ler\n"
    "  backup ARQUIVO.cmd salva a configuração do ECF num novo arquivo de comandos\n"
    "  restore ARQUIVO.cmd  mostra o que difere e restaura no ECF a configuração do arquivo\n"
    "  apply ARQUIVO.cmd [--only CÓDIGO,...]\n"
    "                     como o restore, só com as funções escolhidas (ex.: --only 6.2,6.9)\n"
    "  diff A.cmd B.cmd   o que um restore de B mudaria num ECF com a configuração de A, nas\n"
    "                     palavras do restore, sem usar a impressora; 1 quando diferem\n"
    "  seal PERFIL.cmd [--clock-from-pc]\n"
    "                     sequência de lacração: os sete passos com os dados do perfil; com\n"
    "                     --clock-from-pc, a data e hora deste computador\n"
    "  list               lista as funções: código, grupo :: item e o que cada uma faz\n"
    "  read CÓDIGO [--json]  lê da impressora o que a função (ex.: 7.4) mostra, um campo por\n"
    "                     linha; com --json, um objeto JSON\n"
    "  history [--serial NÚMERO] [--since AAAA-MM-DD] [--csv]\n"
    "                     lista o histórico de intervenções, da mais recente para a mais antiga\n"
    "  history --prune --before AAAA-MM-DD\n"
    "                     apaga do histórico o que começou antes da data, depois de perguntar\n"
    "\n"
    "Opções:\n"
    "  --home DIR         diretório do programa (biblioteca, comandos.xml); como MORVELAN_HOME\n"
    "  --yes, -y          não espera pelas mensagens \"#\" do script; confirma o restore,\n"
    "                     o apply, o seal e o history --prune, e o backup sobre um arquivo\n"
    "                     que já existe\n"
    "  --json             read escreve um objeto JSON\n"
    "  --help, -h         mostra esta ajuda\n"
    "  --version          mostra a versão\n"
    "\n"
    "Códigos de saída: 0 todos os comandos responderam 0000; 1 um comando ou a operação\n"
    "falhou (ou SIGTERM); 2 uso incorreto ou arquivo ilegível; 3 sem biblioteca ou sem\n"
    "impressora; 130 interrompido com Ctrl+C.\n";

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error) {
    Options options;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.command = Command::Help;
            return options;
        }
        if (arg == "--version") {
            options.command = Command::Version;
            return options;
        }
        if (arg == "--yes" || arg == "-y") {
            options.yes = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--clock-from-pc") {
            options.clockFromPc = true;
        } else if (arg == "--stop-on-error") {
            options.stopOnError = true;
        } else if (arg == "--step") {
            options.step = true;
        } else if (arg == "--only" || arg.starts_with("--only=")) {
            if (arg == "--only" && ++i == args.size()) {
                error = "--only precisa dos códigos das funções (ex.: 6.2,6.9)";
                return std::nullopt;
            }
            options.only = arg == "--only" ? args[i] : arg.substr(7);
        } else if (arg == "--home" || arg.starts_with("--home=")) {
            if (arg == "--home") {
                if (++i == args.size()) {
                    error = "--home precisa de um diretório";
                    return std::nullopt;
                }
                options.home = args[i];
            } else {
                options.home = arg.substr(7);
            }
            if (options.home->empty()) {
                error = "--home precisa de um diretório";
                return std::nullopt;
            }
        } else if (arg == "--") {
            words.insert(words.end(), args.begin() + static_cast<long>(i) + 1, args.end());
            break;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "opção desconhecida: " + arg;
            return std::nullopt;
        } else {
            words.push_back(arg);
        }
    }
    if (words.empty()) {
        error = kMissingCommand;
        return std::nullopt;
    }
    const std::string& name = words[0];
    const std::size_t wanted = name == "status" || name == "list" ? 1 : name == "diff" ? 3 : 2;
    if (name == "status") {
        options.command = Command::Status;
    } else if (name == "list") {
        options.command = Command::List;
    } else if (name == "read") {
        options.command = Command::Read;
    } else if (name == "send") {
        options.command = Command::Send;
    } else if (name == "run") {
        options.command = Command::Run;
    } else if (name == "check") {
        options.command = Command::Check;
    } else if (name == "backup") {
        options.command = Command::Backup;
    } else if (name == "restore") {
        options.command = Command::Restore;
    } else if (name == "apply") {
        options.command = Command::Apply;
    } else if (name == "seal") {
        options.command = Command::Seal;
    } else if (name == "diff") {
        options.command = Command::Diff;
    } else {
        error = "comando desconhecido: " + name;
        return std::nullopt;
    }
    if (wanted == 3 && (words.size() != 3 || words[1].empty() || words[2].empty())) {
        error = name + " precisa de dois arquivos de comandos";
        return std::nullopt;
    }
    if (words.size() != wanted || (wanted == 2 && words[1].empty())) {
        error = wanted == 1 ? name + " não tem argumentos"
                            : name + " precisa " +
                                  (name == "send"                     ? "de um comando"
                                   : name == "run" || name == "check" ? "de um arquivo de script"
                                   : name == "read" ? "do código de uma função (ex.: 7.4)"
                                   : name == "seal" ? "de um perfil (arquivo de comandos)"
                                                    : "de um arquivo de comandos");
        return std::nullopt;
    }
    // Every other command prints texts of its own; a JSON flag there would be silently ignored.
    if (options.json && options.command != Command::Read) {
        error = "--json só vale para o comando read";
        return std::nullopt;
    }
    if (options.clockFromPc && options.command != Command::Seal) {
        error = "--clock-from-pc só vale para o comando seal";
        return std::nullopt;
    }
    if ((options.stopOnError || options.step) && options.command != Command::Run) {
        error = std::string(options.step ? "--step" : "--stop-on-error") +
                " só vale para o comando run";
        return std::nullopt;
    }
    if (options.only && (options.command != Command::Apply || !parseFunctionCodes(*options.only))) {
        error = options.command != Command::Apply
                    ? "--only só vale para o comando apply"
                    : "--only precisa dos códigos das funções separados por vírgula (ex.: 6.2,6.9)";
        return std::nullopt;
    }
    if (wanted >= 2) {
        options.argument = words[1];
    }
    if (wanted == 3) {
        options.secondFile = words[2];
    }
    return options;
}

std::optional<std::vector<std::pair<int, int>>> parseFunctionCodes(const std::string& text) {
    std::vector<std::pair<int, int>> codes;
    for (std::size_t from = 0; from <= text.size();) {
        const std::size_t comma = std::min(text.find(',', from), text.size());
        const auto code = parseFunctionCode(text.substr(from, comma - from));
        if (!code) {
            return std::nullopt;
        }
        codes.push_back(*code);
        from = comma + 1;
    }
    return codes;
}

std::optional<std::pair<int, int>> parseFunctionCode(const std::string& text) {
    const std::size_t dot = text.find('.');
    if (dot == std::string::npos) {
        return std::nullopt;
    }
    const auto number = [](std::string_view digits) -> std::optional<int> {
        if (digits.empty() || digits.size() > 2) {
            return std::nullopt;
        }
        int value = 0;
        for (const char c : digits) {
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            value = value * 10 + (c - '0');
        }
        return value;
    };
    const auto type = number(std::string_view(text).substr(0, dot));
    const auto step = number(std::string_view(text).substr(dot + 1));
    if (!type || !step) {
        return std::nullopt;
    }
    return std::pair{*type, *step};
}

} // namespace morvelan::cli
