#include "CliOptions.h"

namespace morvelan::cli {

const char* const kUsage =
    "Uso: morvelan-cli [--home DIR] [--yes] COMANDO [ARGUMENTO]\n"
    "\n"
    "Comandos:\n"
    "  status             detecta a impressora e mostra o seu estado\n"
    "  send 'CCCC|EEEE|...'  envia um comando e mostra a resposta\n"
    "  run ARQUIVO.SEQ    executa o script; o registro dos comandos vai para a saida padrao\n"
    "  backup ARQUIVO.cmd salva a configuracao do ECF num novo arquivo de comandos\n"
    "  restore ARQUIVO.cmd  mostra o que difere e restaura no ECF a configuracao do arquivo\n"
    "  history [--serial NUMERO] [--since AAAA-MM-DD] [--csv]\n"
    "                     lista o historico de intervencoes, da mais recente para a mais antiga\n"
    "\n"
    "Opcoes:\n"
    "  --home DIR         diretorio do programa (biblioteca, comandos.xml); como MORVELAN_HOME\n"
    "  --yes, -y          nao espera pelas mensagens \"#\" do script; confirma o restore\n"
    "  --help, -h         mostra esta ajuda\n"
    "  --version          mostra a versao\n"
    "\n"
    "Codigos de saida: 0 todos os comandos responderam 0000; 1 um comando ou a operacao\n"
    "falhou; 2 uso incorreto ou arquivo ilegivel; 3 sem biblioteca ou sem impressora.\n";

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
        } else if (arg == "--home" || arg.starts_with("--home=")) {
            if (arg == "--home") {
                if (++i == args.size()) {
                    error = "--home precisa de um diretorio";
                    return std::nullopt;
                }
                options.home = args[i];
            } else {
                options.home = arg.substr(7);
            }
            if (options.home->empty()) {
                error = "--home precisa de um diretorio";
                return std::nullopt;
            }
        } else if (arg == "--") {
            words.insert(words.end(), args.begin() + static_cast<long>(i) + 1, args.end());
            break;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "opcao desconhecida: " + arg;
            return std::nullopt;
        } else {
            words.push_back(arg);
        }
    }
    if (words.empty()) {
        error = "falta o comando";
        return std::nullopt;
    }
    const std::string& name = words[0];
    const std::size_t wanted = name == "status" ? 1 : 2;
    if (name == "status") {
        options.command = Command::Status;
    } else if (name == "send") {
        options.command = Command::Send;
    } else if (name == "run") {
        options.command = Command::Run;
    } else if (name == "backup") {
        options.command = Command::Backup;
    } else if (name == "restore") {
        options.command = Command::Restore;
    } else {
        error = "comando desconhecido: " + name;
        return std::nullopt;
    }
    if (words.size() != wanted || (wanted == 2 && words[1].empty())) {
        error = wanted == 1 ? "status nao tem argumentos"
                            : name + " precisa de " +
                                  (name == "send"  ? "um comando"
                                   : name == "run" ? "um arquivo de script"
                                                   : "um arquivo de comandos");
        return std::nullopt;
    }
    if (wanted == 2) {
        options.argument = words[1];
    }
    return options;
}

} // namespace morvelan::cli
