// Kills the driver with SIGKILL at random instants while it writes each file the program owns,
// and after every kill reads the file as the program does: it must hold one whole version, never
// an older one than after the kill before.
//
//   crash_harness <driver> <kills> [seed] [file...]
//
// The kills are shared among the files named (all of them by default). Exits 0 when every file
// survived every kill.
#include "crash_files.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace morvelan::crash;
namespace fs = std::filesystem;

// Up to this long after its start: long enough for the driver to start and write many versions,
// short enough that many kills fall inside a write.
constexpr int kLongestRunMicroseconds = 40'000;

struct Tally {
    int kills = 0;
    int advanced = 0; // kills after which the file held a newer version
    long version = 0;
    std::size_t leftovers = 0; // temporary files the killed writers left behind
};

bool killOnce(const char* driver, const OwnedFile& file, const fs::path& directory,
              int microseconds, Tally& tally) {
    const pid_t child = ::fork();
    if (child < 0) {
        std::perror("fork");
        return false;
    }
    if (child == 0) {
        ::execl(driver, driver, file.name, directory.c_str(), static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    ::usleep(static_cast<useconds_t>(microseconds));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFSIGNALED(status)) {
        std::fprintf(stderr, "%s: the driver stopped by itself (status %d)\n", file.name,
                     WEXITSTATUS(status));
        return false;
    }
    const Reading reading = file.read(directory);
    if (!reading.fault.empty() || reading.version < tally.version) {
        std::fprintf(stderr, "%s: after kill %d at %d us: %s (version %ld, before %ld)\n",
                     file.name, tally.kills + 1, microseconds,
                     reading.fault.empty() ? "an older version" : reading.fault.c_str(),
                     reading.version, tally.version);
        return false;
    }
    ++tally.kills;
    tally.advanced += reading.version > tally.version;
    tally.version = reading.version;
    return true;
}

std::size_t temporaryFiles(const fs::path& directory) {
    std::size_t count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
        count += entry.path().filename().string().find(".tmp") != std::string::npos;
    }
    return count;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: crash_harness <driver> <kills> [seed] [file...]\n");
        return 2;
    }
    const char* driver = argv[1];
    const int kills = std::atoi(argv[2]);
    const unsigned seed = argc > 3 ? static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10))
                                   : std::random_device{}();
    std::vector<const OwnedFile*> files;
    for (int i = 4; i < argc; ++i) {
        files.push_back(findOwnedFile(argv[i]));
        if (files.back() == nullptr) {
            std::fprintf(stderr, "no file named %s\n", argv[i]);
            return 2;
        }
    }
    if (files.empty()) {
        for (const OwnedFile& file : ownedFiles()) {
            files.push_back(&file);
        }
    }
    std::printf("seed %u\n", seed);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> instant(0, kLongestRunMicroseconds);
    bool survived = true;
    for (const OwnedFile* file : files) {
        const fs::path directory =
            fs::temp_directory_path() /
            ("morvelan-crash-" + std::to_string(::getpid()) + "-" + file->name);
        fs::remove_all(directory);
        fs::create_directories(directory);
        file->install(directory);
        Tally tally;
        const auto start = std::chrono::steady_clock::now();
        const int share = std::max(1, kills / static_cast<int>(files.size()));
        while (survived && tally.kills < share) {
            survived = killOnce(driver, *file, directory, instant(random), tally);
        }
        tally.leftovers = temporaryFiles(directory);
        const auto seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
        std::printf("%-14s %5d kills, %5d after a newer version, version %6ld, %zu temporary "
                    "files left, %.1f s\n",
                    file->name, tally.kills, tally.advanced, tally.version, tally.leftovers,
                    seconds.count());
        if (survived) {
            fs::remove_all(directory);
        }
    }
    std::puts(survived ? "every file held a whole version after every kill"
                       : "a file was left damaged (its directory is kept)");
    return survived ? 0 : 1;
}
