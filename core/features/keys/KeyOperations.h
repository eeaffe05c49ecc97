// Operations 3.1 to 3.3 as the worker runs them, their registration with the engine, and the
// start of a key generation for one printer after a change of user.
#pragma once

#include "core/features/keys/RandomSource.h"

#include <cstddef>

namespace morvelan {
class Engine;
class FormServices;
} // namespace morvelan

namespace morvelan::keys {

// The request block of 3.1: five texts the library fills, at b×33+1, b×21+34, b×21+55, b×11+76
// and b×9+87 for printer slot b.
inline constexpr std::size_t kKeyRequestSize = 96;

// The result lines of a 3.1 that sent no key to the printer.
inline constexpr const char* kKeyGeneratorMissingLine =
    "ERRO - Arquivo libmorvelan-keygen.so não encontrado ou danificado: as chaves não foram "
    "geradas. É necessário a reinstalação do software.";
inline constexpr const char* kKeyGenerationFailedLine =
    "ERRO - As chaves não puderam ser geradas: o gerador de números aleatórios do sistema "
    "falhou. Nenhuma chave foi enviada à impressora.";

// Registers (or replaces) the bodies of 3.1, 3.2 and 3.3. Key generation draws its bytes from
// `random`.
void registerKeyOperations(Engine& engine, RandomSource random = systemRandomSource());

// After a change of user: runs 3.1 for `slot` with a zero-filled request block when that printer
// is present and of the third generation. True when it was started.
bool startKeyGeneration(FormServices& services, int slot);

} // namespace morvelan::keys
