#pragma once

#include "platform/windows/win_types.h"

namespace platform::windows {

// Replaces a window's procedure (index GWL_WNDPROC) and returns the one it
// replaced. Another index, an unknown window or a null procedure changes
// nothing and returns nullptr.
WndProc SetWindowLongA(Hwnd hWnd, int index, WndProc newProc);

// Calls a procedure for a window; a null procedure answers 0.
LResult CallWindowProcA(WndProc proc, Hwnd hWnd, std::int32_t uMsg, std::int32_t wParam,
                        std::int32_t lParam);

// Calls the window's current procedure and returns its result; 0 for an
// unknown or destroyed window.
LResult SendMessageA(Hwnd hWnd, std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam);

// Sends the message to every top-level window that has a handle, hidden ones
// included, as the shell's broadcasts reach them.
void BroadcastMessage(std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam);

// The procedure every window starts with: answers WM_GETICON with the
// window's icon, 0 to everything else.
LResult DefaultWindowProc(Hwnd hWnd, std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam);

}  // namespace platform::windows
