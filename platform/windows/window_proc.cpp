#include "platform/windows/window_proc.h"

#include <QWidget>
#include <utility>

#include "platform/windows/icons.h"
#include "platform/windows/window_handles.h"

namespace platform::windows {
namespace {

LResult windowIcon(Hwnd hWnd, std::int32_t which) {
    const QWidget* widget = WidgetOf(hWnd);
    if (widget == nullptr) return 0;
    const QIcon icon = widget->windowIcon();
    if (icon.isNull()) return 0;
    switch (which) {
        case ICON_SMALL:
        case ICON_SMALL2:
            return IconHandle(icon, 16);
        case ICON_BIG:
            return IconHandle(icon, 32);
        default:
            return 0;
    }
}

}  // namespace

WndProc SetWindowLongA(Hwnd hWnd, int index, WndProc newProc) {
    WndProc* slot = ProcedureSlot(hWnd);
    if (index != GWL_WNDPROC || slot == nullptr || newProc == nullptr) return nullptr;
    return std::exchange(*slot, newProc);
}

LResult CallWindowProcA(WndProc proc, Hwnd hWnd, std::int32_t uMsg, std::int32_t wParam,
                        std::int32_t lParam) {
    return proc == nullptr ? 0 : proc(hWnd, uMsg, wParam, lParam);
}

LResult SendMessageA(Hwnd hWnd, std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam) {
    const WndProc* slot = ProcedureSlot(hWnd);
    return slot == nullptr ? 0 : CallWindowProcA(*slot, hWnd, uMsg, wParam, lParam);
}

void BroadcastMessage(std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam) {
    // A procedure may close windows, so the list is taken first and every
    // handle is looked up again when its turn comes.
    for (const Hwnd hWnd : TopLevelHandles()) SendMessageA(hWnd, uMsg, wParam, lParam);
}

LResult DefaultWindowProc(Hwnd hWnd, std::int32_t uMsg, std::int32_t wParam, std::int32_t) {
    return uMsg == WM_GETICON ? windowIcon(hWnd, wParam) : 0;
}

}  // namespace platform::windows
