#pragma once

#include <functional>

class QWidget;

namespace morvelan {

// Runs work once the window has first painted, back in the event loop, so that what the first
// window does not need stays out of the time the technician waits to see it.
void afterFirstPaint(QWidget& window, std::function<void()> work);

} // namespace morvelan
