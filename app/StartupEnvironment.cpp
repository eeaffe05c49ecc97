#include "StartupEnvironment.h"

#include <filesystem>

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
    if (!isSet(morvelanHome))
        return executableDirectory;
    // The library is loaded from here by path: a relative one would depend on the current
    // directory at the moment of loading.
    std::error_code error;
    const auto absolute = std::filesystem::absolute(morvelanHome, error);
    return error ? std::string(morvelanHome) : absolute.lexically_normal().string();
}

} // namespace morvelan
