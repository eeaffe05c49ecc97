#include "core/base/CommandFileActions.h"

#include "core/base/CommandFile.h"
#include "core/base/CommandFileCheck.h"
#include "core/base/CommandFileLayout.h"
#include "core/base/Cp1252.h"
#include "core/base/Prompts.h"
#include "core/base/RegularFile.h"
#include "core/base/TextTrim.h"

#include <algorithm>
#include <vector>

namespace morvelan {
namespace {

using Request = std::vector<char>;

void fail(Prompts& prompts, const std::string& text) {
    prompts.message(kErrorTitle, text + kWorkingFileKept, PromptIcon::Error);
}

void inform(Prompts& prompts, const char* text) {
    prompts.message(kAlertTitle, text, PromptIcon::Information);
}

// A type-10 request: the path, then the Windows-1252 identification from byte 1025.
Request fileRequest(std::string_view path, std::string_view identification = {}) {
    Request request(kFileRequestSize, '\0');
    // std::copy_n, not memcpy: an empty view may hold a null pointer, which memcpy must not get.
    std::copy_n(path.data(), std::min(path.size(), kMaxCommandFilePath), request.data());
    std::copy_n(identification.data(), std::min(identification.size(), kMaxIdentification),
                request.data() + kFileRequestPathSize);
    return request;
}

} // namespace

bool loadCommandFile(const std::string& path, CommandFileStore& file, Prompts& prompts) {
    if (path.empty()) {
        inform(prompts, kSelectFileText);
        return false;
    }
    if (path.size() > kMaxCommandFilePath) {
        fail(prompts, "O caminho do arquivo tem mais de 1024 caracteres.");
        return false;
    }
    FileFault unread;
    const auto content = readWholeFile(path, kCommandFileBound, &unread);
    if (!content) {
        fail(prompts,
             "Não foi possível ler o arquivo de comandos\n" + path + ": " + unread.text + ".");
        return false;
    }
    if (const auto fault = commandFileFault(*content)) {
        fail(prompts, "O arquivo\n" + path + "\nnão é um arquivo de comandos válido: " + *fault);
        return false;
    }
    Request request = fileRequest(path);
    if (!file.readCommandFile(10, 1, request)) {
        fail(prompts, "Não foi possível copiar o arquivo\n" + path +
                          "\nsobre o arquivo de comandos em uso.");
        return false;
    }
    file.readCommandFile(0, 0, {});
    inform(prompts, kFileLoadedText);
    return true;
}

bool saveCommandFile(SaveKind kind, std::string_view path, std::string_view identification,
                     CommandFileStore& file, Prompts& prompts) {
    const std::string target = trimmed(path);
    const std::string name = toCp1252(trimmed(identification));
    if (target.empty()) {
        inform(prompts, kSelectPathText);
        return false;
    }
    if (name.empty()) {
        inform(prompts, kTypeIdentificationText);
        return false;
    }
    if (target.size() > kMaxCommandFilePath) {
        fail(prompts, "O caminho do arquivo tem mais de 1024 caracteres.");
        return false;
    }
    if (name.size() > kMaxIdentification) {
        fail(prompts, "A identificação do arquivo tem mais de 1023 caracteres.");
        return false;
    }
    const Request request = fileRequest(target, name);
    if (!file.writeCommandFile(10, kind == SaveKind::NewFile ? 2 : 3, request)) {
        fail(prompts, "Não foi possível criar o arquivo\n" + target);
        return false;
    }
    if (kind == SaveKind::NewFile) {
        Request load = fileRequest(target);
        if (!file.readCommandFile(10, 2, load)) {
            fail(prompts,
                 "O arquivo\n" + target +
                     "\nfoi criado, mas não pôde substituir o arquivo de comandos em uso.");
            return false;
        }
    }
    file.readCommandFile(0, 0, {});
    inform(prompts, kFileSavedText);
    return true;
}

} // namespace morvelan
