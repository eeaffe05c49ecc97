// Key generation lives in a module of its own, beside the printer library, loaded the first time
// a key is made: it alone needs the cryptographic library, which the program would otherwise map
// and relocate before its first window for a function that runs rarely.
#pragma once

#include "core/features/keys/KeyText.h"
#include "core/features/keys/RandomSource.h"

#include <array>
#include <semaphore>
#include <string>

#ifndef MORVELAN_KEY_MODULE_ENTRY
#error "MORVELAN_KEY_MODULE_ENTRY comes with the CMake target morvelan_key_module_entry"
#endif

namespace morvelan::keys {

inline constexpr const char* kKeyGeneratorFileName = "libmorvelan-keygen.so";
// The entry's symbol, which carries a stamp of this build's version and interface.
inline constexpr const char* kKeyGeneratorEntryName = MORVELAN_KEY_MODULE_ENTRY;

// The key text with its terminating zero.
using KeyTextBuffer = std::array<char, kKeyTextLength + 1>;

} // namespace morvelan::keys

// The module's one entry: generateKeyText into `keyText`. False when no key could be made; no
// exception leaves the module.
extern "C" bool
morvelan_generate_key_text(bool thirdGeneration, const morvelan::keys::RandomSource& random,
                           const char* historyPath, std::binary_semaphore& librarySemaphore,
                           morvelan::keys::KeyTextBuffer& keyText) noexcept
    __asm__(MORVELAN_KEY_MODULE_ENTRY);

namespace morvelan::keys {

using KeyGenerator = decltype(&morvelan_generate_key_text);

// The entry of <libraryDirectory>/libmorvelan-keygen.so. The module is never unloaded, so only
// the first call loads it. Null when the directory is unknown, or the module is missing, cannot
// be loaded or lacks the entry, as a module of another build does.
KeyGenerator loadKeyGenerator(const std::string& libraryDirectory);

} // namespace morvelan::keys
