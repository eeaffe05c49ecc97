// The entry of libmorvelan-keygen.so, the one symbol it exports.
#include "core/features/keys/KeyGeneration.h"
#include "core/features/keys/KeyGeneratorModule.h"

#include <algorithm>

extern "C" __attribute__((visibility("default"))) bool
morvelan_generate_key_text(bool thirdGeneration, const morvelan::keys::RandomSource& random,
                           const char* historyPath, std::binary_semaphore& librarySemaphore,
                           morvelan::keys::KeyTextBuffer& keyText) noexcept {
    try {
        const std::string text =
            morvelan::keys::generateKeyText(thirdGeneration, random, historyPath, librarySemaphore);
        if (text.size() != morvelan::keys::kKeyTextLength) {
            return false;
        }
        std::copy(text.begin(), text.end(), keyText.begin());
        keyText.back() = '\0';
        return true;
    } catch (...) {
        return false;
    }
}
