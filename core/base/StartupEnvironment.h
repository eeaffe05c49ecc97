// Decisions taken before any window exists: whether there is a screen to draw on, and where the
// program's files are. Free of Qt, so that morvelan-cli decides the same way.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace morvelan {

inline constexpr const char* kNoDisplayMessage =
    "Morvelan precisa de uma tela gráfica: nenhuma foi encontrada (DISPLAY e WAYLAND_DISPLAY "
    "estão vazias). Abra-o numa sessão gráfica ou defina QT_QPA_PLATFORM.";

inline constexpr const char* kProgramUsage =
    "Uso: morvelan [--help | --version]\n"
    "\n"
    "Abre a janela do Morvelan, que configura e mantém impressoras fiscais Korva; precisa de\n"
    "uma tela gráfica. F1, na janela, abre a ajuda da função escolhida.\n"
    "\n"
    "  --help, -h   mostra esta ajuda e termina\n"
    "  --version    mostra a versão e termina\n"
    "\n"
    "Variáveis de ambiente:\n"
    "  MORVELAN_HOME    diretório com a biblioteca e os arquivos do programa\n"
    "  KORVA_SIM_STATE  arquivo de estado da impressora virtual\n"
    "\n"
    "Veja também: morvelan-cli(1), korva-sim(1).\n";

inline constexpr const char* kLibraryFile = "libInterfaceKorva.so";
// The folder under the user's data directory that an installed copy writes to.
inline constexpr const char* kUserDataFolder = "Morvelan";

// What "morvelan --help" and "morvelan --version" print: they answer in a terminal, with or
// without a screen, before any window is tried. Nothing for any other command line, which Qt
// reads (-platform and the like).
std::optional<std::string> terminalAnswer(std::span<char* const> arguments,
                                          std::string_view version);

// True when Qt has a screen to open: an X or Wayland display, or a platform chosen explicitly.
// Each argument is the variable's value, or null when it is not set.
bool hasDisplay(const char* display, const char* waylandDisplay, const char* qpaPlatform);

// Where the program binds its library from and keeps the files it writes (default.cmd,
// comandos.xml, kvkhist.khf, chaves.dat). All paths absolute.
struct ProgramFiles {
    std::string libraryDirectory;
    std::string dataDirectory;
    // The installed copies the data directory starts from; empty when nothing is seeded.
    std::string seedDirectory;
};

// What the decision reads from the process's surroundings. Null or empty means unset.
struct StartupPlaces {
    const char* morvelanHome = nullptr; // MORVELAN_HOME, or morvelan-cli's --home
    const char* xdgDataHome = nullptr;
    const char* home = nullptr;
    std::string executableDirectory;
    // A build tree (or a portable copy) has the library beside the executable.
    bool libraryBesideExecutable = false;
};

// MORVELAN_HOME holds everything; a copy with the library beside its executable keeps its files
// there; an installed copy binds the library from the installed library directory and keeps its
// files in <user data directory>/Morvelan, seeded from the installed data directory.
ProgramFiles locateProgramFiles(const StartupPlaces& places);

// $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share; empty without either.
std::string userDataDirectory(const char* xdgDataHome, const char* home);

// The printer library's log directory under `baseDirectory` (the user's data directory):
// <base>/Korva/InterfaceKorva/DataFiles/Log/00/ for printer slot 0.
std::string libraryLogDirectory(const std::string& baseDirectory, int slot = 0);

// The log directory both programs bind the library with: under the user's data directory (the
// current directory without one), made when it is missing, since the library cannot be expected
// to create the path. A directory that cannot be made only costs the library its log.
std::string prepareLibraryLogDirectory(const char* xdgDataHome, const char* home);

// Creates the data directory and copies into it each installed file it lacks; the technician's
// own files are never overwritten. False when the directory cannot be made or a copy fails.
bool seedProgramFiles(const ProgramFiles& files);

// The places of this process (environment, /proc/self/exe), located and seeded.
// `homeOverride` takes the place of MORVELAN_HOME when not null.
ProgramFiles prepareProgramFiles(const char* homeOverride = nullptr);

} // namespace morvelan
