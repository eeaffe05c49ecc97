// korva-sim: shows, resets and disturbs the virtual printer through its state file (the one
// the library uses: KORVA_SIM_STATE, else the user's data directory).
#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "Models.h"
#include "PaperRoll.h"
#include "PrinterClock.h"
#include "StateFile.h"
#include "Summary.h"
#include "VirtualPrinter.h"

namespace {

using korva::PrinterState;

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

void printHelp(std::ostream& out) {
    out << "Uso: korva-sim COMANDO [ARGUMENTOS]\n"
           "Controla a impressora virtual Korva (estado em "
        << korva::VirtualPrinter::defaultStatePath().string()
        << ").\n\n"
           "  show                      mostra o estado da impressora\n"
           "  reset [MODELO] [--serial N]\n"
           "                            nova impressora de fábrica do modelo dado, com números\n"
           "                            de série próprios (N, ou um número novo a cada reset)\n"
           "  power on|off              liga ou desliga a impressora\n"
           "  paper ok|low|out          papel normal, pouco papel ou sem papel\n"
           "  cover open|closed         tampa aberta ou fechada\n"
           "  drawer open|closed        gaveta aberta ou fechada\n"
           "  slow MS                   cada troca demora MS milissegundos (0 desliga)\n"
           "  fail CÓDIGO N [RETORNO]   o comando CÓDIGO falha nas próximas N vezes com o\n"
           "                            código de retorno RETORNO (padrão 0006)\n"
           "  clear-faults              remove falhas, lentidão e problemas mecânicos\n"
           "  paper-roll [--tail N]     mostra o rolo de papel (os últimos N documentos)\n"
           "  paper-roll --clear        esvazia o rolo de papel\n\n"
           "Modelos (padrão "
        << korva::defaultModel().key << "):\n";
    for (const auto& m : korva::modelProfiles()) {
        out << "  " << m.key << "  \t" << m.model << ", placa " << m.board << ", software "
            << m.version << (m.thirdGeneration ? " (MKIII)" : "") << "\n";
    }
    out << "\nCódigos de saída: 0 sucesso, 1 falha, 2 uso incorreto.\n";
}

int usage(const std::string& why) {
    std::cerr << "korva-sim: " << why << "\nUse \"korva-sim --help\" para ver os comandos.\n";
    return kUsage;
}

bool isHex4(const std::string& s) {
    if (s.size() != 4) {
        return false;
    }
    for (char c : s) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

std::string lower(std::string s) {
    for (char& c : s) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return s;
}

std::string upper(std::string s) {
    for (char& c : s) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return s;
}

bool parseCount(const std::string& s, int& value) {
    if (s.empty() || s.size() > 7 || s.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    value = std::stoi(s);
    return true;
}

// Builds the change a command asks for; an empty function with `error` set for bad usage.
std::function<void(PrinterState&)> changeFor(const std::vector<std::string>& a,
                                             std::string& error) {
    const std::string& cmd = a[0];
    const std::string arg = a.size() > 1 ? lower(a[1]) : "";
    auto onOff = [&](const char* yes, const char* no, auto set) {
        if (a.size() != 2 || (arg != yes && arg != no)) {
            error = cmd + " espera " + yes + " ou " + no;
            return std::function<void(PrinterState&)>{};
        }
        const bool v = arg == yes;
        return std::function<void(PrinterState&)>([=](PrinterState& s) { set(s, v); });
    };
    if (cmd == "power") {
        return onOff("on", "off", [](PrinterState& s, bool on) {
            if (on && !s.poweredOn) {
                s.serialSpeed = s.pendingSerialSpeed;
            }
            s.poweredOn = on;
        });
    }
    if (cmd == "cover") {
        return onOff("open", "closed", [](PrinterState& s, bool v) { s.mechanics.coverOpen = v; });
    }
    if (cmd == "drawer") {
        return onOff("open", "closed", [](PrinterState& s, bool v) { s.mechanics.drawerOpen = v; });
    }
    if (cmd == "paper") {
        if (a.size() != 2 || (arg != "ok" && arg != "low" && arg != "out")) {
            error = "paper espera ok, low ou out";
            return {};
        }
        const korva::Paper p = arg == "ok"    ? korva::Paper::Ok
                               : arg == "low" ? korva::Paper::Low
                                              : korva::Paper::Out;
        return [p](PrinterState& s) { s.mechanics.paper = p; };
    }
    if (cmd == "slow") {
        int ms = 0;
        if (a.size() != 2 || !parseCount(a[1], ms) || ms > 600000) {
            error = "slow espera um número de milissegundos (0 a 600000)";
            return {};
        }
        return [ms](PrinterState& s) { s.slowMs = ms; };
    }
    if (cmd == "fail") {
        int n = 0;
        if (a.size() < 3 || a.size() > 4 || !isHex4(a[1]) || !parseCount(a[2], n) ||
            (a.size() == 4 && !isHex4(a[3]))) {
            error = "fail espera CÓDIGO (4 dígitos hexadecimais), N e, opcionalmente, RETORNO "
                    "(4 dígitos hexadecimais)";
            return {};
        }
        const std::string code = upper(a[1]);
        const std::string rc = a.size() == 4 ? lower(a[3]) : "";
        return [=](PrinterState& s) {
            if (n == 0) {
                s.faults.erase(code);
            } else {
                s.faults[code] = {n, rc};
            }
        };
    }
    if (cmd == "clear-faults") {
        if (a.size() != 1) {
            error = "clear-faults não tem argumentos";
            return {};
        }
        return [](PrinterState& s) {
            s.faults.clear();
            s.slowMs = 0;
            s.poweredOn = true;
            s.mechanics.paper = korva::Paper::Ok;
            s.mechanics.coverOpen = false;
            s.mechanics.printError = false;
        };
    }
    error = "comando desconhecido: " + cmd;
    return {};
}

// Shows the documents the printer printed, or empties the roll, under the state file's lock so
// that no document being printed is lost or cut.
int paperRoll(const std::vector<std::string>& a, const std::filesystem::path& statePath) {
    int tail = -1;
    const bool clear = a.size() == 2 && a[1] == "--clear";
    if (!clear && a.size() != 1 && (a.size() != 3 || a[1] != "--tail" || !parseCount(a[2], tail))) {
        return usage("paper-roll espera --tail N ou --clear");
    }
    const auto roll = korva::paper::rollPath(statePath);
    korva::StateFile file(statePath);
    const auto guard = file.lock();
    if (clear) {
        korva::paper::clear(roll);
        return kOk;
    }
    const auto documents = korva::paper::documents(roll);
    const std::size_t shown =
        tail < 0 ? documents.size() : std::min(documents.size(), static_cast<std::size_t>(tail));
    for (std::size_t i = documents.size() - shown; i < documents.size(); ++i) {
        std::cout << documents[i];
    }
    return kOk;
}

// A printer of a bench is told apart by its serials; without a chosen number each reset takes
// the microseconds of its moment, which no earlier reset on this host can have had.
std::uint64_t newSerialNumber() {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(
                                          std::chrono::system_clock::now().time_since_epoch())
                                          .count());
}

int reset(const std::vector<std::string>& a, const std::filesystem::path& statePath) {
    const korva::ModelProfile* m = &korva::defaultModel();
    std::optional<std::uint64_t> serial;
    for (std::size_t i = 1; i < a.size(); ++i) {
        if (a[i] == "--serial") {
            std::uint64_t number = 0;
            const std::string text = i + 1 < a.size() ? a[++i] : std::string();
            const auto [end, error] =
                std::from_chars(text.data(), text.data() + text.size(), number);
            if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
                number == 0 || number > 9999999999999999ULL) {
                return usage("--serial espera um número de 1 a 9999999999999999");
            }
            serial = number;
        } else if (i == 1) {
            m = korva::findModel(a[i]);
            if (m == nullptr) {
                return usage("modelo desconhecido: " + a[i]);
            }
        } else {
            return usage("reset aceita um só modelo");
        }
    }
    const std::uint64_t number = serial.value_or(newSerialNumber());
    PrinterState fresh;
    korva::modifyState(statePath, [m, number, &fresh](PrinterState& s) {
        s = korva::factoryState(*m);
        korva::numberPrinter(s, number);
        fresh = s;
    });
    std::cout << "Nova impressora " << m->model << " (" << m->key << "), séries MF / MFD "
              << fresh.mfSerial << " / " << fresh.mfdSerial << ".\n";
    return kOk;
}

int run(const std::vector<std::string>& a) {
    const auto path = korva::VirtualPrinter::defaultStatePath();
    if (a[0] == "paper-roll") {
        return paperRoll(a, path);
    }
    if (a[0] == "show") {
        if (a.size() != 1) {
            return usage("show não tem argumentos");
        }
        const PrinterState s = korva::readState(path);
        const auto now = korva::clock::hostSeconds(std::chrono::system_clock::now());
        std::cout << "Estado: " << path.string() << "\n";
        korva::sim::printSummary(std::cout, s, now + s.clockOffset);
        return kOk;
    }
    if (a[0] == "reset") {
        return reset(a, path);
    }
    std::string error;
    const auto change = changeFor(a, error);
    if (!change) {
        return usage(error);
    }
    korva::modifyState(path, change);
    return kOk;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        return usage("falta o comando");
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printHelp(std::cout);
        return kOk;
    }
    try {
        return run(args);
    } catch (const std::exception& e) {
        std::cerr << "korva-sim: " << e.what() << "\n";
        return kFailed;
    }
}
