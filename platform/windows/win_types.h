#pragma once

#include <cstdint>

namespace platform::windows {

// Window handles, icon handles and message values are 32-bit, as the program
// keeps them; 0 is "none".
using Hwnd = std::int32_t;
using Hicon = std::int32_t;
using LResult = std::int32_t;

// A window procedure is a plain function pointer: the program installs a
// module-level procedure and keeps the one it replaced as a value that it
// compares with 0 and hands back later, which a pointer does without any
// ownership or allocation.
using WndProc = LResult (*)(Hwnd hWnd, std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam);

inline constexpr int GWL_WNDPROC = -4;

inline constexpr std::int32_t WM_GETICON = 0x7F;
inline constexpr std::int32_t ICON_SMALL = 0;
inline constexpr std::int32_t ICON_BIG = 1;
inline constexpr std::int32_t ICON_SMALL2 = 2;

inline constexpr std::int32_t WM_LBUTTONDOWN = 0x201;
inline constexpr std::int32_t WM_LBUTTONUP = 0x202;
inline constexpr std::int32_t WM_LBUTTONDBLCLK = 0x203;
inline constexpr std::int32_t WM_RBUTTONDOWN = 0x204;
inline constexpr std::int32_t WM_RBUTTONUP = 0x205;
inline constexpr std::int32_t WM_MBUTTONDOWN = 0x207;
inline constexpr std::int32_t WM_MBUTTONUP = 0x208;

}  // namespace platform::windows
