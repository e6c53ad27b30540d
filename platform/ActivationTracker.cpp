#include "platform/ActivationTracker.h"

#include <QEvent>

namespace quillon {

bool ActivationTracker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow() && window != current_) {
            previous_ = current_;
            current_ = window;
        }
    }
    return false;
}

} // namespace quillon
