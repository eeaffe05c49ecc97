#include "StartupEnvironment.h"

namespace morvelan {

namespace {
bool isSet(const char* value) {
    return value != nullptr && *value != '\0';
}
} // namespace

bool hasDisplay(const char* display, const char* waylandDisplay, const char* qpaPlatform) {
    // Any explicit platform (offscreen, vnc, ...) is the user's choice; let Qt honour it.
    return isSet(display) || isSet(waylandDisplay) || qpaPlatform != nullptr;
}

std::string programDirectory(const char* morvelanHome, const std::string& executableDirectory) {
    return isSet(morvelanHome) ? std::string(morvelanHome) : executableDirectory;
}

} // namespace morvelan
