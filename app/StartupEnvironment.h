// Decisions taken before any window exists: whether there is a screen to draw on, and where the
// program's files (library, default.cmd, comandos.xml) are.
#pragma once

#include <string>

namespace morvelan {

inline constexpr const char* kNoDisplayMessage =
    "Morvelan precisa de uma tela gráfica: nenhuma foi encontrada (DISPLAY e WAYLAND_DISPLAY "
    "estão vazias). Abra-o numa sessão gráfica ou defina QT_QPA_PLATFORM.";

// True when Qt has a screen to open: an X or Wayland display, or a platform chosen explicitly.
// Each argument is the variable's value, or null when it is not set.
bool hasDisplay(const char* display, const char* waylandDisplay, const char* qpaPlatform);

// The program directory: MORVELAN_HOME (made absolute) when set and not empty, else the
// executable's directory.
std::string programDirectory(const char* morvelanHome, const std::string& executableDirectory);

} // namespace morvelan
