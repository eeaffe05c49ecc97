// Starts as the program would over one of its files, reads the file, then writes version after
// version of it until it is killed.
//
//   crash_driver <file> <directory>
//
// Exits 3 when the file it finds holds no whole version, 1 when a writer fails.
#include "crash_files.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    using namespace morvelan::crash;
    const OwnedFile* file = argc == 3 ? findOwnedFile(argv[1]) : nullptr;
    if (file == nullptr) {
        std::fprintf(stderr, "usage: crash_driver <file> <directory>\n");
        return 2;
    }
    const Reading found = file->read(argv[2]);
    if (!found.fault.empty()) {
        std::fprintf(stderr, "%s at start: %s\n", file->name, found.fault.c_str());
        return 3;
    }
    try {
        for (long n = found.version + 1;; ++n) {
            file->write(argv[2], n);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", file->name, e.what());
        return 1;
    }
}
