#include "core/features/keys/KeyGeneratorModule.h"

#include <dlfcn.h>

namespace morvelan::keys {

KeyGenerator loadKeyGenerator(const std::string& libraryDirectory) {
    if (libraryDirectory.empty()) {
        return nullptr;
    }
    // An absolute path: a bare name would let the dynamic loader search other directories.
    const std::string path = libraryDirectory + "/" + kKeyGeneratorFileName;
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return nullptr;
    }
    auto* entry = reinterpret_cast<KeyGenerator>(dlsym(handle, kKeyGeneratorEntryName));
    // Some other library under the module's name: nothing in it is of use.
    if (entry == nullptr) {
        dlclose(handle);
    }
    return entry;
}

} // namespace morvelan::keys
