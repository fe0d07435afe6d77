#include "platform/forms/controls/mouse_args.h"

#include <QMouseEvent>

namespace platform {

int MouseButtonOf(const QMouseEvent* event) {
    switch (event->button()) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int ShiftOf(const QMouseEvent* event) {
    const Qt::KeyboardModifiers m = event->modifiers();
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

}  // namespace platform
