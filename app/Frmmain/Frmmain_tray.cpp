#include <QCursor>

#include "app/Frmmain/Frmmain.h"
#include "app/Frmmenu/Frmmenu.h"
#include "app/ImgBlt/WindowHook.h"
#include "platform/shell/tray.h"
#include "platform/windows/foreground.h"
#include "platform/windows/popup_menu.h"
#include "platform/windows/window_handles.h"
#include "platform/windows/window_proc.h"
#include "platform/windows/window_state.h"

namespace {

using namespace platform::shell;
using namespace platform::windows;

constexpr std::int32_t WM_TRAYICON = 0x500;

// A fresh record naming this window's icon, the way every call starts.
NotifyIconDataA baseRecord(Frmmain& window) {
    NotifyIconDataA data{};
    data.cbSize = sizeof(NotifyIconDataA);
    data.hWnd = HandleOf(&window);
    data.uID = 0;
    return data;
}

NotifyIconDataA fullRecord(Frmmain& window) {
    NotifyIconDataA data = baseRecord(window);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_TRAYICON;
    data.hIcon = SendMessageA(data.hWnd, WM_GETICON, ICON_SMALL, 0);
    AssignFixedString(data.szTip, QStringLiteral("Marlquin2010") + QChar(0));
    return data;
}

void popupTrayMenu() {
    Frmmenu& menu = platform::forms::Default<Frmmenu>();
    menu.Load();
    PopupMenu(*menu.MainMenu, QCursor::pos());
}

}  // namespace

std::int32_t Frmmain::WndProcTrayIcon(std::int32_t hWnd, std::int32_t uMsg, std::int32_t wParam,
                                      std::int32_t lParam) {
    if (uMsg == WM_TRAYICON) {
        if (wParam != 0) return 0;
        if (lParam == WM_LBUTTONDBLCLK) {
            if (windowState() & Qt::WindowMinimized) setWindowState(Qt::WindowNoState);
            if (!isVisible()) {
                KeepReportedStateOnShow(this);
                Show(Modeless);
            }
        } else if (lParam == WM_RBUTTONUP) {
            SetForegroundWindow(HandleOf(this));
            // The chosen item may unload this window: nothing of it is used after.
            popupTrayMenu();
        }
        return 0;
    }
    if (uMsg == ImgBlt::MsgTaskbarCreated) {
        SysTrayAdd();
        return 0;
    }
    return ImgBlt::CallOldWindowProc(hWnd, uMsg, wParam, lParam);
}

void Frmmain::SysTrayAdd() {
    Shell_NotifyIconA(NIM_ADD, fullRecord(*this));
}

void Frmmain::UpdateTips() {
    Shell_NotifyIconA(NIM_MODIFY, fullRecord(*this));
}

void Frmmain::SysTrayDel() {
    Shell_NotifyIconA(NIM_DELETE, baseRecord(*this));
}
