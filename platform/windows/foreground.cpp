#include "platform/windows/foreground.h"

#include <QWidget>

#include "platform/windows/window_handles.h"

namespace platform::windows {

bool SetForegroundWindow(Hwnd hWnd) {
    QWidget* widget = WidgetOf(hWnd);
    if (widget == nullptr || !widget->isVisible()) return false;
    QWidget* top = widget->window();
    top->raise();
    top->activateWindow();
    return true;
}

}  // namespace platform::windows
