#include "UpdateLine.h"

namespace korva {
namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

bool validUpdateLine(std::string_view line) {
    if (line.size() < 5 || line[0] != ':' || (line.size() - 1) % 2 != 0) {
        return false;
    }
    unsigned sum = 0;
    for (std::size_t i = 1; i < line.size(); i += 2) {
        const int hi = hexValue(line[i]);
        const int lo = hexValue(line[i + 1]);
        if (hi < 0 || lo < 0) {
            return false;
        }
        sum += static_cast<unsigned>(hi * 16 + lo);
    }
    return sum % 256 == 0;
}

} // namespace korva
