// The virtual Korva printer: the device model that the library's entry points drive.
//
// One VirtualPrinter stands for one printer on one port. Its state lives in a JSON file that it
// re-reads before every exchange (so that korva-sim, another process, can switch it off or
// inject a fault while a program is talking to it) and writes back atomically after every
// change. All members may be called from any thread; exchanges are serialised.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace korva {

// The outcome of one exchange with the printer.
struct Exchange {
    int result = 0;                  // KORVA_OK or one of the KORVA_ERRO_* values
    std::vector<std::string> fields; // answer fields, Windows-1252
    std::string status;              // 20-character status text; empty when there is none

    std::string answer() const; // fields joined by "|"
};

using Clock = std::function<std::chrono::system_clock::time_point()>;

class VirtualPrinter {
public:
    // `statePath` is the JSON state file; it is created with a new printer when missing.
    explicit VirtualPrinter(std::filesystem::path statePath, Clock clock = {});
    ~VirtualPrinter();
    VirtualPrinter(const VirtualPrinter&) = delete;
    VirtualPrinter& operator=(const VirtualPrinter&) = delete;

    // The printer the library's entry points drive: state file from KORVA_SIM_STATE, else
    // Korva/virtual-printer.json under the user's data directory.
    static VirtualPrinter& process();
    static std::filesystem::path defaultStatePath();

    // Opens the port the printer is on (`requested` empty) or the named one ("COM3", "USB").
    // `portNumber` receives the port number as text, "0" for USB.
    int openPort(std::string_view requested, std::string& portNumber);
    void closePort();
    bool portOpen() const;

    // One raw command line, "CCCC|EEEE|field|...".
    Exchange execute(std::string_view commandLine);

    // Records an argument that a driver could not even put on the line (a null pointer, a "|"
    // inside a text): the status names the field, return code 0004, result KORVA_ERRO_PARAMETRO.
    Exchange rejectArgument(int fieldErrorCode, int fieldNumber);

    // Status of the last exchange, for KORVA_Obter_Estado_Impressora.
    int lastStatus(std::string& status) const;

    // Portuguese text of a four-digit return code (at most 100 characters).
    static std::string message(std::string_view returnCode);

    // Daily log of every exchange in `directory` while `enabled`.
    void setLog(std::filesystem::path directory, bool enabled);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace korva
