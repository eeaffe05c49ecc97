// An update file checked whole and turned into the exact stream of commands a section needs,
// before anything is sent: the file's last 384 bytes are 96 little-endian section offsets, the
// rest lines of at most 1023 characters. Every line that will go to the printer is checked the
// way the printer checks it, so that a damaged file is refused here rather than half-way through
// the printer's update.
#pragma once

#include "core/base/RegularFile.h"
#include "core/features/update/UpdateChoice.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace morvelan::update {

inline constexpr std::size_t kTrailerEntries = 96;
inline constexpr std::size_t kTrailerBytes = kTrailerEntries * 4;
inline constexpr std::size_t kMaxLineLength = 1023;
// A line sent to the printer: "0562|0000|" and the line must stay within 1024 characters.
inline constexpr std::size_t kMaxSentLineLength = 1014;
// Real update files are a few megabytes; anything this big is the wrong file, and reading it
// whole would only hold the technician up.
inline constexpr std::uintmax_t kMaxFileBytes = 64u * 1024u * 1024u;
inline constexpr FileBound kUpdateFileBound{"um arquivo de atualização", kMaxFileBytes};

enum class StepKind {
    Start,      // 056B with the procedure, KORVA_Send_From_File
    OpenPart,   // 0560, KORVA_Send_From_File
    Header,     // 0563 + line, KORVA_Send_From_File_Bin
    Data,       // 0562 + line, KORVA_Send_From_File_Bin, three attempts
    Closing,    // 056C with the procedure (last part only), KORVA_Send_From_File
    CloseStage, // 056A, KORVA_Send_From_File
    Pause,      // the wait after a part
};

struct Step {
    StepKind kind;
    std::string command;        // empty for Pause
    std::int32_t offsetReached; // what the progress record shows while the step is sent
};

struct UpdatePlan {
    Procedure procedure = Procedure::Other;
    int section = 0;
    std::int32_t startOffset = 0; // first part's start
    std::int32_t endOffset = 0;   // the last part's end
    std::vector<Step> steps;
};

inline constexpr const char* kInvalidModelText = "Modelo de impressora inválido!";

// A plan, or the text saying what is wrong with the file for this section.
using PlanOutcome = std::variant<UpdatePlan, std::string>;

// `bytes` is the whole file named `fileName`.
PlanOutcome planUpdate(Procedure procedure, int section, std::string_view bytes,
                       const std::string& fileName);
// Reads `directory`/the procedure's file whole, then plans; a missing, unreadable or oversized
// file, or a folder in its place, is reported as such.
PlanOutcome planUpdateFromDirectory(Procedure procedure, int section, const std::string& directory);

} // namespace morvelan::update
