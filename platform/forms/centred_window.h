#pragma once

class QWidget;

namespace platform::forms {

// Opens a top-level window in the middle of the screen's free area. The
// window manager's frame is known only once the window is shown; a window that
// gets one is centred again then, so that its frame and not its client area
// lies in the middle.
void CentreOnScreen(QWidget* window);

}  // namespace platform::forms
