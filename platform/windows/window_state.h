#pragma once

class QWidget;

namespace platform::windows {

// Makes a hidden window come back in the state it reports. A window hidden
// while minimised can later report normal (the window manager dropped it when
// it was hidden) while the window system still holds the note to map it
// minimised; showing it would then bring it back as an icon.
void KeepReportedStateOnShow(QWidget* window);

}  // namespace platform::windows
