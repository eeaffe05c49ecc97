#include "core/engine/KorvaLibrary.h"

#include <cstdio>
#include <dlfcn.h>

namespace morvelan {
namespace {

// Stands for the handle of a library that was bound from a table rather than loaded.
char tableBindingTag;

} // namespace

BoundLibrary bindLibrary(const std::string& programDirectory, const std::string& logDirectory) {
    BoundLibrary library;
    library.directory = programDirectory;
    // An absolute path: a bare name would let the dynamic loader search other directories.
    const std::string path = programDirectory + "/" + kLibraryFileName;
    library.handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library.handle == nullptr) {
        return library;
    }
#define MORVELAN_BIND_ENTRY(name)                                                                  \
    library.entries.name =                                                                         \
        reinterpret_cast<decltype(&KORVA_##name)>(dlsym(library.handle, "KORVA_" #name));
    MORVELAN_KORVA_ENTRY_POINTS(MORVELAN_BIND_ENTRY)
#undef MORVELAN_BIND_ENTRY
    callEntry(library.entries, &LibraryEntries::Sys_Log, logDirectory.c_str(), 1);
    return library;
}

BoundLibrary bindLibraryFromTable(const LibraryEntries& entries) {
    BoundLibrary library;
    library.handle = &tableBindingTag;
    library.entries = entries;
    return library;
}

} // namespace morvelan
