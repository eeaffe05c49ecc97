#include "StatusWords.h"

#include <cstdio>

namespace korva {
namespace {

std::uint16_t paperBits(Paper paper, std::uint16_t outBit, std::uint16_t lowBit) {
    switch (paper) {
    case Paper::Out:
        return outBit;
    case Paper::Low:
        return lowBit;
    case Paper::Ok:
        break;
    }
    return 0;
}

} // namespace

std::uint16_t printerWord(const PrinterState& s) {
    const Mechanics& m = s.mechanics;
    std::uint16_t w = 0;
    w |= m.offline ? 0x8000 : 0;
    w |= m.printError ? 0x4000 : 0;
    w |= m.coverOpen ? 0x2000 : 0;
    w |= m.drawerOpen ? 0x1000 : 0;
    switch (m.station) {
    case Station::Micr:
        w |= 0x0600;
        break;
    case Station::Authentication:
        w |= 0x0400;
        break;
    case Station::Cheque:
        w |= 0x0200;
        break;
    case Station::Receipt:
        break;
    }
    w |= m.awaitingRemoval ? 0x0100 : 0;
    w |= m.awaitingInsertion ? 0x0080 : 0;
    w |= m.chequeLowerSensor ? 0x0040 : 0;
    w |= m.chequeUpperSensor ? 0x0020 : 0;
    w |= m.authenticationSensor ? 0x0010 : 0;
    w |= paperBits(m.paper, 0x0008, 0x0004);
    w |= paperBits(m.slipPaper, 0x0002, 0x0001);
    return w;
}

std::uint16_t fiscalWord(const PrinterState& s) {
    std::uint16_t w = 0;
    switch (s.mode) {
    case FiscalMode::Fiscalized:
        w |= 0xc000;
        break;
    case FiscalMode::Manufacture:
        w |= 0x8000;
        break;
    case FiscalMode::Blocked:
        break;
    }
    w |= s.mit ? 0x1000 : 0;
    switch (s.fiscalMemory) {
    case FiscalMemory::RunningOut:
        w |= 0x0400;
        break;
    case FiscalMemory::Full:
        w |= 0x0800;
        break;
    case FiscalMemory::Error:
        w |= 0x0c00;
        break;
    case FiscalMemory::Normal:
        break;
    }
    w |= s.salesPeriodOpen ? 0x0080 : 0;
    // The document value spreads over bits 9, 8 and 6..0: bit 7 is the sales period.
    const auto doc = static_cast<std::uint16_t>(s.document);
    w |= static_cast<std::uint16_t>((doc & 0x007f) | ((doc & 0x0180) << 1));
    return w;
}

std::string statusText(const PrinterState& s, const StatusFields& f) {
    char text[32];
    std::snprintf(text, sizeof text, "%02x%02d%04x%04x%04x", f.fieldError & 0xff,
                  f.fieldNumber % 100, static_cast<unsigned>(s.portStatus) & 0xffff, printerWord(s),
                  fiscalWord(s));
    return std::string(text) + f.returnCode;
}

} // namespace korva
