#include "core/base/StartupEnvironment.h"

#include "core/base/AtomicFile.h"
#include "core/base/RegularFile.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

// Where an installed copy finds its library and its installed data, relative to its executable;
// the build sets both from the install layout.
#ifndef MORVELAN_INSTALLED_LIBRARY_DIR
#define MORVELAN_INSTALLED_LIBRARY_DIR "../lib/morvelan"
#endif
#ifndef MORVELAN_INSTALLED_DATA_DIR
#define MORVELAN_INSTALLED_DATA_DIR "../share/morvelan"
#endif

namespace morvelan {

namespace fs = std::filesystem;

namespace {
bool isSet(const char* value) {
    return value != nullptr && *value != '\0';
}

// The library is loaded from these paths: a relative one would depend on the current directory
// at the moment of loading.
std::string absolutePath(const fs::path& path) {
    std::error_code error;
    const auto made = fs::absolute(path, error);
    return (error ? path : made).lexically_normal().string();
}

std::string withoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}
} // namespace

std::optional<std::string> terminalAnswer(std::span<char* const> arguments,
                                          std::string_view version) {
    for (const char* argument : arguments.subspan(arguments.empty() ? 0 : 1)) {
        const std::string_view option(argument);
        if (option == "--version")
            return "morvelan " + std::string(version) + "\n";
        if (option == "--help" || option == "-h")
            return kProgramUsage;
    }
    return std::nullopt;
}

bool hasDisplay(const char* display, const char* waylandDisplay, const char* qpaPlatform) {
    // Any explicit platform (offscreen, vnc, ...) is the user's choice; let Qt honour it.
    return isSet(display) || isSet(waylandDisplay) || qpaPlatform != nullptr;
}

std::string userDataDirectory(const char* xdgDataHome, const char* home) {
    // A relative XDG_DATA_HOME is invalid and must be ignored.
    if (isSet(xdgDataHome) && xdgDataHome[0] == '/')
        return withoutTrailingSlash(xdgDataHome);
    if (isSet(home))
        return withoutTrailingSlash(home) + "/.local/share";
    return {};
}

std::string libraryLogDirectory(const std::string& baseDirectory, int slot) {
    char tail[16];
    std::snprintf(tail, sizeof tail, "Log/%02d/", slot);
    std::string base = baseDirectory;
    if (!base.empty() && base.back() == '/') {
        base.pop_back();
    }
    return base + "/Korva/InterfaceKorva/DataFiles/" + tail;
}

std::string prepareLibraryLogDirectory(const char* xdgDataHome, const char* home) {
    const std::string base = userDataDirectory(xdgDataHome, home);
    const std::string directory = libraryLogDirectory(base.empty() ? "." : base);
    std::error_code ignored;
    std::filesystem::create_directories(directory, ignored);
    return directory;
}

ProgramFiles locateProgramFiles(const StartupPlaces& places) {
    if (isSet(places.morvelanHome)) {
        const auto home = withoutTrailingSlash(absolutePath(places.morvelanHome));
        return {home, home, {}};
    }
    const fs::path executable = places.executableDirectory;
    if (places.libraryBesideExecutable)
        return {places.executableDirectory, places.executableDirectory, {}};
    const auto userData = userDataDirectory(places.xdgDataHome, places.home);
    // Without any home to write to, the executable's directory is all that is left.
    const auto data =
        userData.empty() ? places.executableDirectory : userData + "/" + kUserDataFolder;
    return {withoutTrailingSlash(absolutePath(executable / MORVELAN_INSTALLED_LIBRARY_DIR)), data,
            withoutTrailingSlash(absolutePath(executable / MORVELAN_INSTALLED_DATA_DIR))};
}

bool seedProgramFiles(const ProgramFiles& files) {
    if (files.seedDirectory.empty())
        return true;
    std::error_code error;
    fs::create_directories(files.dataDirectory, error);
    if (error)
        return false;
    bool seeded = true;
    for (const auto& entry : fs::directory_iterator(files.seedDirectory, error)) {
        if (!entry.is_regular_file(error))
            continue;
        const auto target = fs::path(files.dataDirectory) / entry.path().filename();
        if (fs::exists(target, error))
            continue;
        // Written whole under a temporary name: a start cut short leaves no half copy that the
        // next start would take for the technician's own.
        const auto content = readWholeFile(entry.path().string());
        seeded = content && replaceFileAtomically(target.string(), *content) && seeded;
    }
    return seeded && !error;
}

ProgramFiles prepareProgramFiles(const char* homeOverride) {
    StartupPlaces places;
    places.morvelanHome = homeOverride != nullptr ? homeOverride : std::getenv("MORVELAN_HOME");
    places.xdgDataHome = std::getenv("XDG_DATA_HOME");
    places.home = std::getenv("HOME");
    std::error_code error;
    const auto executable = fs::read_symlink("/proc/self/exe", error);
    places.executableDirectory = error ? absolutePath(".") : executable.parent_path().string();
    places.libraryBesideExecutable =
        fs::exists(fs::path(places.executableDirectory) / kLibraryFile, error);
    const auto files = locateProgramFiles(places);
    if (!seedProgramFiles(files))
        std::fprintf(stderr, "Morvelan: não foi possível preparar %s a partir de %s\n",
                     files.dataDirectory.c_str(), files.seedDirectory.c_str());
    return files;
}

} // namespace morvelan
