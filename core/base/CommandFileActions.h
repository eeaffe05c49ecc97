// The type-10 work of the command file forms: make a chosen file the working command file, or
// write a new one or a copy of the working one under an identification. Every outcome is told
// to the technician; a failure leaves the working file as it was.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morvelan {

class CommandFileStore;
class Prompts;

inline constexpr const char* kCommandFileFilter = "Arquivo de Comandos (*.cmd)|*.cmd||";
inline constexpr const char* kCommandFileExtension = "*.cmd";
inline constexpr const char* kSelectFileText = "Selecione um arquivo!";
inline constexpr const char* kFileLoadedText = "Arquivo carregado com sucesso!";
inline constexpr const char* kSelectPathText =
    "Selecione o nome do arquivo e o caminho onde o mesmo será salvo.";
inline constexpr const char* kTypeIdentificationText = "Digite uma identificação para o arquivo.";
inline constexpr const char* kFileSavedText = "Arquivo salvo com sucesso.";
inline constexpr const char* kWorkingFileKept =
    "\n\nO arquivo de comandos em uso não foi alterado.";

// Longest path and identification a type-10 request carries with their terminating zeros.
inline constexpr std::size_t kMaxCommandFilePath = 1024;
inline constexpr std::size_t kMaxIdentification = 1023;

enum class SaveKind { NewFile, SaveAs };

// "&Carregar Arquivo": replaces the working file by the command file at `path` (UTF-8) and
// refreshes the title. True when the working file was replaced.
bool loadCommandFile(const std::string& path, CommandFileStore& file, Prompts& prompts);

// "Salvar &Arquivo": writes at `path` a new command file (NewFile, which then becomes the working
// file) or the working file's content (SaveAs), under `identification`; both UTF-8, trimmed here.
// True when the file was written.
bool saveCommandFile(SaveKind kind, std::string_view path, std::string_view identification,
                     CommandFileStore& file, Prompts& prompts);

} // namespace morvelan
