// The working command file: the values last sent by each form, kept under an identification that
// names the window. Forms are pre-filled from it and every run stores its request data in it.
#pragma once

#include "core/base/FrameServices.h"
#include "core/base/Prompts.h"

#include <optional>
#include <span>
#include <string>

namespace morvelan {

inline constexpr const char* kCommandFileName = "default.cmd";
inline constexpr const char* kCommandFileError = "Erro ao criar o arquivo de configuração.";
inline constexpr const char* kUnnamedTitle = "Morvelan .: Arquivo de comando sem nome :.";

// Type 10 requests: a path in bytes 0-1024, an identification from byte 1025 (Windows-1252).
inline constexpr std::size_t kFileRequestPathSize = 1025;
inline constexpr std::size_t kFileRequestSize = 1025 + 1024;

class CommandFileStore {
public:
    // `commandFilePath` is the engine's; an empty one means <programDirectory>/default.cmd.
    CommandFileStore(std::string& commandFilePath, std::string programDirectory, Prompts& prompts,
                     FrameServices& frame);

    // Refreshes the title, then by type: 6 or 8 copies the operation's block into `data`;
    // 10.1 and 10.2 replace the working file by a copy of the file named in `data`; 10.3 copies
    // the identification into `data` at offset 1025; anything else only refreshes the title.
    // False when a type-10 copy failed (the working file is then left as it was).
    bool readCommandFile(int type, int step, std::span<char> data);

    // By type: 6 or 8 stores `data` in the operation's block of the working file; 10.2 writes a
    // new file at the path in `data`; 10.3 writes the working file's content there under a new
    // identification; anything else writes the working file back unchanged. Every file is
    // replaced atomically. False when nothing could be written.
    bool writeCommandFile(int type, int step, std::span<const char> data);

    std::string defaultPath() const;
    // The file the forms read and write: the chosen one, else the default.
    std::string workingPath() const;

private:
    void ensurePath();

    std::string& commandFilePath_;
    std::string programDirectory_;
    Prompts& prompts_;
    FrameServices& frame_;
    // The identification the window's title was last made from.
    std::optional<std::string> titledAs_;
};

} // namespace morvelan
