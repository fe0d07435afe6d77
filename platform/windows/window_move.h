#pragma once

class QWidget;

namespace platform::windows {

// Lets the user move a top-level window with the mouse while the pressed
// button is held: the window manager's move where there is one, else the
// window follows the pointer until that button is released.
void BeginWindowMove(QWidget* window);

// Gives a frameless window a taskbar button and a minimise box.
void AddAppWindowStyles(QWidget* window);

}  // namespace platform::windows
