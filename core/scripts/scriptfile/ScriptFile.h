// Script files (*.SEQ): one raw command or control line per line, Windows-1252, written with
// CRLF. Reading goes through a 1024-byte buffer, so a longer line arrives as several lines.
#pragma once

#include "core/base/RegularFile.h"
#include "core/scripts/dictionary/CommandDictionary.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvelan {

inline constexpr std::size_t kScriptLineBuffer = 1024;
// Scripts of millions of commands are run; a gigabyte is beyond any a shop writes, loops doing the
// repeating.
inline constexpr FileBound kScriptFileBound{"um script", 1024u * 1024u * 1024u};
inline constexpr std::string_view kLoopStartLine = "<INICIO DE LOOP>";
inline constexpr std::string_view kAdvanceDayLine = "<ADIANTAR 1 DIA>";
// Windows-1252 bytes of "<FINAL DE LOOP - [%s] Repetições>" around the count.
inline constexpr std::string_view kLoopEndPrefix = "<FINAL DE LOOP - [";
inline constexpr std::string_view kLoopEndSuffix = "] Repeti\xE7\xF5"
                                                   "es>";

enum class ScriptLineKind {
    Empty,        // never delivered by the reader
    Comment,      // begins with "/": ignored when run
    Message,      // "#" and a text shown to the technician
    TimedMessage, // "#@" and a text shown with an elapsed-time counter
    LoopStart,    // "<I..."
    LoopEnd,      // "<F..." with a count in brackets
    AdvanceDay,   // "<A..."
    OtherControl, // any other line beginning with "<": ignored when run
    Command,      // a raw protocol command
};

// Only the first two characters decide, as when the script is run.
ScriptLineKind ClassifyScriptLine(std::string_view line);

// The text of a message line, without "#" (or "#@" for a timed message).
std::string_view ScriptMessageText(std::string_view line);

// The count of a loop-end line: the decimal number (at most four digits) between the first
// "[" and the first "]"; 0 when there is none.
int ScriptLoopCount(std::string_view line);

// "<FINAL DE LOOP - [count] Repetições>".
std::string ScriptLoopEndLine(std::string_view count);

// The "|"-separated pieces of a command line: the code, the extension, then the field values.
std::vector<std::string> SplitCommandLine(std::string_view line);

// Reads a script line by line: one trailing line feed and then one trailing carriage return
// are removed, and lines left empty are skipped. Owns its file, which is opened only when it is
// a regular file within kScriptFileBound.
class ScriptFileReader {
public:
    ScriptFileReader() = default;
    explicit ScriptFileReader(const std::filesystem::path& path);
    explicit ScriptFileReader(std::FILE* adopted);
    ScriptFileReader(ScriptFileReader&& other) noexcept;
    ScriptFileReader& operator=(ScriptFileReader&& other) noexcept;
    ScriptFileReader(const ScriptFileReader&) = delete;
    ScriptFileReader& operator=(const ScriptFileReader&) = delete;
    ~ScriptFileReader();

    bool isOpen() const { return file_ != nullptr; }
    // Reading stops once `stop` is raised, however many empty lines are left to skip.
    void stopWhen(const std::atomic<bool>& stop) { stop_ = &stop; }
    // The next non-empty line; false at the end of the file or once stopped.
    bool readLine(std::string& line);
    // The position after the last line read, for going back to it (loops); -1 on failure.
    long position() const;
    bool seek(long position);
    // The file's number of the last line read: 1 for the first, the skipped empty lines counted,
    // so that a technician finds the line in an editor.
    long lineNumber() const { return lineNumber_; }
    // Goes back to a position() taken when lineNumber() was `lineNumber`; the line read next is
    // numbered after it.
    bool seek(long position, long lineNumber);

private:
    std::FILE* file_ = nullptr;
    const std::atomic<bool>* stop_ = nullptr;
    long linesEnded_ = 0; // line feeds read so far
    long lineNumber_ = 0;
};

// Every line of a script file; nothing when it cannot be opened.
std::optional<std::vector<std::string>> ReadScriptFile(const std::filesystem::path& path);

// A list line without its display name: lines beginning with "/", "#" or "<" stay as they
// are; from any other line everything up to and including the first "-" and the character
// after it goes. A line without "-" carries no display name and stays as it is.
std::string StripDisplayName(std::string_view line);

// Creates (replaces) the file and writes each line without its display name, ending in CRLF.
bool WriteScriptFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

// The first four characters of a command line, upper-cased: the code the generator looks up.
std::string EditorCommandCode(std::string_view line);

// A file line as the generator lists it: command lines get their first four characters
// upper-cased and the dictionary command's name and " - " in front; other lines stay as they
// are. Nothing when no command has that code.
std::optional<std::string> RestoreDisplayName(const CommandDictionary& table,
                                              std::string_view line);

} // namespace morvelan
