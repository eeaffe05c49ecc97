#include "gui/app/AfterFirstPaint.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace morvelan {

namespace {
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget& window, std::function<void()> work)
        : QObject(&window), m_work(std::move(work)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The painted back buffer reaches the screen once control is back in the loop.
            QTimer::singleShot(0, this, [this] {
                m_work();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_work;
};
} // namespace

void afterFirstPaint(QWidget& window, std::function<void()> work) {
    window.installEventFilter(new FirstPaintWatch(window, std::move(work)));
}

} // namespace morvelan
