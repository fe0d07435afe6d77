#pragma once

#include <QPoint>
#include <cstdint>

class QWidget;

namespace platform::controlhost {

// Window handles: every widget gets a positive id the first time one is asked
// for; the id lives as long as the widget and is never given to another one.
using HWND = std::int32_t;

HWND HandleOf(QWidget* widget);  // 0 for no widget
QWidget* WidgetOf(HWND hwnd);    // null for 0, an unknown or a destroyed window

// The pointer position in screen pixels.
QPoint GetCursorPos();
// The window under a screen point: the innermost visible widget there, so a
// child widget is a window of its own; 0 where the program has no window.
HWND WindowFromPoint(QPoint screen);

// The mouse capture. Qt already hands the release of a press to the widget
// that got the press; the capture records which window asked for it, and
// the control host ends it when that window gets its button release.
HWND SetCapture(HWND hwnd);  // returns the window that had the capture
bool ReleaseCapture();
HWND GetCapture();

}  // namespace platform::controlhost
