#pragma once

#include "platform/windows/win_types.h"

namespace platform::windows {

// Brings a shown window to the front and gives it the focus; false (and
// nothing done) for a hidden or unknown window.
bool SetForegroundWindow(Hwnd hWnd);

}  // namespace platform::windows
