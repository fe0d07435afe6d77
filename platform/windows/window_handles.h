#pragma once

#include <QList>

#include "platform/windows/win_types.h"

class QWidget;

namespace platform::windows {

// Gives a window or control its handle the first time it is asked for, the
// same one afterwards. A new window starts with DefaultWindowProc as its
// procedure. Handles are never reused, so one kept after its window is gone
// reaches nothing.
Hwnd HandleOf(QWidget* widget);

// The widget of a handle; nullptr for 0, an unknown handle or a destroyed one.
QWidget* WidgetOf(Hwnd hWnd);

// The top-level windows that have a handle, hidden ones included, in the order
// they got it.
QList<Hwnd> TopLevelHandles();

// Where the window's current procedure is kept; nullptr for an unknown handle.
WndProc* ProcedureSlot(Hwnd hWnd);

}  // namespace platform::windows
