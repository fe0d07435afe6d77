#include "app/ImgBlt/WindowHook.h"

#include "app/Frmmain/Frmmain.h"
#include "platform/forms/form.h"
#include "platform/windows/window_proc.h"

namespace ImgBlt {

using namespace platform::windows;

WndProc OldWndProc = nullptr;
std::int32_t MsgTaskbarCreated = 0;

void Hook(Hwnd hWnd) {
    if (OldWndProc == nullptr) OldWndProc = SetWindowLongA(hWnd, GWL_WNDPROC, WindowProc);
}

void Unhook(Hwnd hWnd) {
    if (OldWndProc == nullptr) return;
    SetWindowLongA(hWnd, GWL_WNDPROC, OldWndProc);
    OldWndProc = nullptr;
}

LResult WindowProc(Hwnd hWnd, std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam) {
    return platform::forms::Default<Frmmain>().WndProcTrayIcon(hWnd, uMsg, wParam, lParam);
}

LResult CallOldWindowProc(Hwnd hWnd, std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam) {
    return CallWindowProcA(OldWndProc, hWnd, uMsg, wParam, lParam);
}

}  // namespace ImgBlt
