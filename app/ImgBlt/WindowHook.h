#pragma once

#include <cstdint>

#include "platform/windows/win_types.h"

// Sub-classing of the main window: the tray icon's callback message and the
// shell's "TaskbarCreated" reach it through WindowProc, every other message goes
// on to the procedure that was in place before.
namespace ImgBlt {

using platform::windows::Hwnd;
using platform::windows::LResult;
using platform::windows::WndProc;

// The procedure that Hook replaced; nullptr while no window is sub-classed.
extern WndProc OldWndProc;

// The message number of "TaskbarCreated", registered by the main window's load.
extern std::int32_t MsgTaskbarCreated;

// Installs WindowProc, unless a window is already sub-classed.
void Hook(Hwnd hWnd);
// Puts the previous procedure back, if one was replaced.
void Unhook(Hwnd hWnd);

LResult WindowProc(Hwnd hWnd, std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam);
LResult CallOldWindowProc(Hwnd hWnd, std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam);

}  // namespace ImgBlt
