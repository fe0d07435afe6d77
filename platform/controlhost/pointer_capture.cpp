#include "platform/controlhost/pointer_capture.h"

#include <QApplication>
#include <QCursor>

namespace platform::controlhost {
namespace {

HWND& Captured() {
    static HWND hwnd = 0;
    return hwnd;
}

}  // namespace

QPoint GetCursorPos() {
    return QCursor::pos();
}

HWND WindowFromPoint(QPoint screen) {
    return HandleOf(QApplication::widgetAt(screen));
}

HWND SetCapture(HWND hwnd) {
    const HWND previous = GetCapture();
    Captured() = WidgetOf(hwnd) != nullptr ? hwnd : 0;
    return previous;
}

bool ReleaseCapture() {
    Captured() = 0;
    return true;
}

HWND GetCapture() {
    if (WidgetOf(Captured()) == nullptr) Captured() = 0;
    return Captured();
}

}  // namespace platform::controlhost
