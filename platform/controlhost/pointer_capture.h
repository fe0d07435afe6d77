#pragma once

#include <QPoint>

#include "platform/windows/window_handles.h"

namespace platform::controlhost {

// The host's controls take their handles from the one table of the windows,
// so a control has the same handle whoever asks for it.
using HWND = windows::Hwnd;
using windows::HandleOf;
using windows::WidgetOf;

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
