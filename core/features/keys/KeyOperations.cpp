#include "core/features/keys/KeyOperations.h"

#include "core/engine/Engine.h"
#include "core/features/common/FormServices.h"
#include "core/features/keys/KeyGeneratorModule.h"
#include "core/features/keys/KeyHistory.h"
#include "core/features/keys/KeyRecordFile.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace morvelan::keys {
namespace {

using E = LibraryEntries;

// What 3.1 reports when no key could be made (no generator module, or the random source
// failed): a failure that no library return value uses, so it is never taken for a loaded key.
constexpr int kKeyGenerationFailed = -1;
// The technician is told which file the installation lacks.
static_assert(std::string_view(kKeyGeneratorMissingLine).find(kKeyGeneratorFileName) !=
              std::string_view::npos);

constexpr std::size_t kPublicKeyBufferSize = 1282;
constexpr std::size_t kUserDataBufferSize = 52;
constexpr std::size_t kPrinterDataBufferSize = 112;

// The five output texts of the request block for `slot`. Where the caller's block does not hold
// them all, the library writes into a block of the worker's own rather than past the caller's.
class KeyOutputs {
public:
    KeyOutputs(std::span<char> data, int slot) : block_(data) {
        const auto b = static_cast<std::size_t>(slot);
        fields_ = {{{b * 33 + 1, 33},
                    {b * 21 + 34, 21},
                    {b * 21 + 55, 21},
                    {b * 11 + 76, 11},
                    {b * 9 + 87, 9}}};
        std::size_t needed = 0;
        for (const auto& [offset, size] : fields_) {
            needed = std::max(needed, offset + size);
        }
        if (block_.size() < needed) {
            own_.assign(needed, '\0');
            block_ = own_;
        }
    }
    char* at(std::size_t field) { return block_.data() + fields_[field].first; }

private:
    std::array<std::pair<std::size_t, std::size_t>, 5> fields_{};
    std::vector<char> own_;
    std::span<char> block_;
};

int loadNewKey(Engine& engine, WorkerArgument& argument, const RandomSource& random) {
    const KeyGenerator generate = loadKeyGenerator(engine.libraryDirectory);
    if (generate == nullptr) {
        Engine::markNotSent(*argument.result, kKeyGeneratorMissingLine);
        return kKeyGenerationFailed;
    }
    const std::string historyPath = engine.keyHistoryPath.empty()
                                        ? keyHistoryPath(engine.programDirectory())
                                        : engine.keyHistoryPath;
    KeyTextBuffer text{};
    if (!generate(argument.isMkiii == 1, random, historyPath.c_str(), engine.librarySemaphore,
                  text)) {
        Engine::markNotSent(*argument.result, kKeyGenerationFailedLine);
        return kKeyGenerationFailed;
    }
    KeyOutputs out(argument.data, argument.slot);
    return engine.call(&E::Set_DS_KeyEX, text.data(), out.at(0), out.at(1), out.at(2), out.at(3),
                       out.at(4));
}

// The three readings and one record appended to "chaves.dat" under the semaphore. A file that
// cannot be opened is passed over in silence.
void appendPublicKey(Engine& engine) {
    std::vector<char> publicKey(kPublicKeyBufferSize, '\0');
    std::vector<char> userData(kUserDataBufferSize, '\0');
    std::vector<char> printerData(kPrinterDataBufferSize, '\0');
    engine.call(&E::Get_DS_Key, publicKey.data());
    engine.call(&E::Obter_Dados_Usuario, userData.data());
    engine.call(&E::Obter_Dados_Impressora, printerData.data());
    const KeyRecord record = keyRecord(printerData, userData, publicKey);
    engine.librarySemaphore.acquire();
    appendKeyRecord(keyRecordPath(engine.programDirectory()), record);
    engine.librarySemaphore.release();
}

int enableKey(Engine& engine, WorkerArgument&) {
    const int result = engine.call(&E::Enable_DS_Key);
    if (result == 0) {
        appendPublicKey(engine);
    }
    return result;
}

int readPublicKey(Engine& engine, WorkerArgument&) {
    appendPublicKey(engine);
    return 0;
}

} // namespace

void registerKeyOperations(Engine& engine, RandomSource random) {
    engine.operations().add(
        3, 1,
        {.body = [random = std::move(random)](
                     Engine& e, WorkerArgument& a) { return loadNewKey(e, a, random); },
         // The key history lies in the program's directory, beside the other files it owns.
         .beforeRun = [](Engine& e) { e.keyHistoryPath = e.programDirectory() + "/kvkhist.khf"; }});
    engine.operations().add(3, 2, enableKey);
    engine.operations().add(3, 3, readPublicKey);
}

bool startKeyGeneration(FormServices& services, int slot) {
    const PrinterIdentity printer = services.printer(slot);
    if (!printer.present || !printer.isMkiii) {
        return false;
    }
    std::vector<char> request(kKeyRequestSize, '\0');
    services.runOperation(3, 1, request, slot);
    return true;
}

} // namespace morvelan::keys
