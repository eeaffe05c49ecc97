#include "VirtualPrinter.h"

#include <cctype>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <thread>

#include "Cp1252.h"
#include "ExchangeLog.h"
#include "InterfaceKorva.h"
#include "PaperRoll.h"
#include "PrinterClock.h"
#include "Protocol.h"
#include "ReturnCodes.h"
#include "StateFile.h"
#include "StatusWords.h"

namespace korva {
namespace fs = std::filesystem;

namespace {

enum class LastExchange { None, Answered, NoAnswer };

// "COM1".."COM99" or "USB", without regard to case; empty when not a port name.
std::string portName(std::string_view requested) {
    std::string name;
    for (char c : requested) {
        name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (name == "USB") {
        return name;
    }
    if (name.size() < 4 || name.size() > 5 || name.compare(0, 3, "COM") != 0) {
        return {};
    }
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) {
            return {};
        }
    }
    const int n = std::stoi(name.substr(3));
    return n >= 1 && n <= 99 ? "COM" + std::to_string(n) : std::string{};
}

} // namespace

std::string Exchange::answer() const {
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            text += '|';
        }
        text += fields[i];
    }
    return text;
}

struct VirtualPrinter::Impl {
    Impl(fs::path path, Clock c) : file(std::move(path)), clock(std::move(c)) {
        if (!clock) {
            clock = [] { return std::chrono::system_clock::now(); };
        }
    }

    std::int64_t printerNow() const { return clock::hostSeconds(clock()) + state.clockOffset; }

    // Brings the state up to date under the inter-process lock. A state file that cannot be
    // reached (unwritable directory, full disk) must not take the program down: the printer
    // then goes on from memory and says so once.
    std::unique_ptr<StateFile::Lock> begin() {
        std::unique_ptr<StateFile::Lock> guard;
        try {
            guard = file.lock();
            file.refresh(state);
        } catch (const std::exception& e) {
            warn(e);
        }
        return guard;
    }

    void persist() {
        try {
            file.save(state);
        } catch (const std::exception& e) {
            warn(e);
        }
    }

    // The paper roll is for the eyes only: a roll that cannot be written never fails a command.
    void printOnRoll(const std::vector<std::string>& documents) {
        for (const auto& document : documents) {
            try {
                paper::append(paper::rollPath(file.path()), document);
            } catch (const std::exception& e) {
                warn(e);
            }
        }
    }

    void warn(const std::exception& e) {
        if (!warned) {
            warned = true;
            std::cerr << "korva: virtual printer state " << file.path() << " unavailable ("
                      << e.what() << "); changes are kept in memory only.\n";
        }
    }

    void logLine(std::string_view command, const Exchange& e) {
        log.write(clock(), command, e.answer(), e.status, e.result);
    }

    StateFile file;
    Clock clock;
    mutable std::mutex mutex;
    PrinterState state;
    bool portIsOpen = false;
    bool warned = false;
    LastExchange last = LastExchange::None;
    std::string lastStatus;
    ExchangeLog log;
};

VirtualPrinter::VirtualPrinter(fs::path statePath, Clock clock)
    : impl_(std::make_unique<Impl>(std::move(statePath), std::move(clock))) {
    impl_->state = factoryState(defaultModel());
    impl_->begin();
}

VirtualPrinter::~VirtualPrinter() = default;

VirtualPrinter& VirtualPrinter::process() {
    static VirtualPrinter printer(defaultStatePath());
    return printer;
}

fs::path VirtualPrinter::defaultStatePath() {
    if (const char* explicitPath = std::getenv("KORVA_SIM_STATE"); explicitPath && *explicitPath) {
        return explicitPath;
    }
    fs::path base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = fs::path(home) / ".local" / "share";
    } else {
        base = fs::temp_directory_path();
    }
    return base / "Korva" / "virtual-printer.json";
}

int VirtualPrinter::openPort(std::string_view requested, std::string& portNumber) {
    std::lock_guard lock(impl_->mutex);
    Impl& d = *impl_;
    int result = KORVA_OK;
    std::string wanted;
    {
        const auto guard = d.begin();
        wanted = requested.empty() ? d.state.port : portName(requested);
        if (wanted.empty()) {
            result = KORVA_ERRO_PARAMETRO;
        } else if (!d.state.poweredOn || wanted != d.state.port) {
            result = KORVA_ERRO_SEM_RESPOSTA;
        }
    }
    if (result == KORVA_OK) {
        d.portIsOpen = true;
        d.last = LastExchange::None;
        d.lastStatus.clear();
        portNumber = wanted == "USB" ? "0" : wanted.substr(3);
    }
    d.logLine("ABRIR PORTA " + std::string(requested.empty() ? "(procurar)" : requested),
              {result, {wanted}, {}});
    return result;
}

void VirtualPrinter::closePort() {
    std::lock_guard lock(impl_->mutex);
    if (impl_->portIsOpen) {
        impl_->portIsOpen = false;
        impl_->logLine("FECHAR PORTA", {KORVA_OK, {}, {}});
    }
}

bool VirtualPrinter::portOpen() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->portIsOpen;
}

Exchange VirtualPrinter::execute(std::string_view commandLine) {
    std::lock_guard lock(impl_->mutex);
    Impl& d = *impl_;
    Exchange e;
    if (!d.portIsOpen) {
        e.result = KORVA_ERRO_PORTA_FECHADA;
        d.logLine(commandLine, e);
        return e;
    }
    int slowMs = 0;
    {
        const auto guard = d.begin();
        if (!d.state.poweredOn) {
            e.result = KORVA_ERRO_SEM_RESPOSTA;
            d.last = LastExchange::NoAnswer;
            d.lastStatus.clear();
        } else {
            ProtocolResult r = runCommand(d.state, commandLine, d.printerNow());
            if (r.reply.changed) {
                d.persist();
            }
            d.printOnRoll(r.reply.printed);
            e.result = r.reply.ok() ? KORVA_OK : KORVA_ERRO_COMANDO;
            for (const auto& f : r.reply.fields) {
                e.fields.push_back(cp1252::fromUtf8(f));
            }
            e.status = r.status;
            d.last = LastExchange::Answered;
            d.lastStatus = r.status;
        }
        slowMs = d.state.slowMs;
    }
    d.logLine(commandLine, e);
    if (slowMs > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(slowMs));
    }
    return e;
}

Exchange VirtualPrinter::rejectArgument(int fieldErrorCode, int fieldNumber) {
    std::lock_guard lock(impl_->mutex);
    Impl& d = *impl_;
    d.begin();
    Exchange e;
    e.result = KORVA_ERRO_PARAMETRO;
    e.status = statusText(d.state, {fieldErrorCode, fieldNumber, std::string(rc::FieldError)});
    d.last = LastExchange::Answered;
    d.lastStatus = e.status;
    d.logLine("(argumento recusado)", e);
    return e;
}

int VirtualPrinter::lastStatus(std::string& status) const {
    std::lock_guard lock(impl_->mutex);
    switch (impl_->last) {
    case LastExchange::None:
        status.clear();
        return KORVA_ERRO_COMANDO;
    case LastExchange::NoAnswer:
        status.clear();
        return KORVA_ERRO_SEM_RESPOSTA;
    case LastExchange::Answered:
        break;
    }
    status = impl_->lastStatus;
    return KORVA_OK;
}

std::string VirtualPrinter::message(std::string_view returnCode) {
    return cp1252::fromUtf8(rc::messageUtf8(returnCode));
}

void VirtualPrinter::setLog(fs::path directory, bool enabled) {
    std::lock_guard lock(impl_->mutex);
    impl_->log.configure(std::move(directory), enabled);
}

} // namespace korva
