#include "platform/shell/tray_mouse.h"

#include "platform/windows/win_types.h"

namespace platform::shell {

using namespace platform::windows;

QList<std::int32_t> TrayMouseMessages(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            // Such a host's activation of the icon is its one way to open the
            // program, and no double-click follows it: it stands for the
            // double-click with which a tray icon's window is brought back.
            return {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP};
        case QSystemTrayIcon::DoubleClick:
            return {WM_LBUTTONDBLCLK, WM_LBUTTONUP};
        case QSystemTrayIcon::Context:
            return {WM_RBUTTONDOWN, WM_RBUTTONUP};
        case QSystemTrayIcon::MiddleClick:
            return {WM_MBUTTONDOWN, WM_MBUTTONUP};
        case QSystemTrayIcon::Unknown:
            break;
    }
    return {};
}

std::int32_t TrayButtonMessage(QEvent::Type type, Qt::MouseButton button) {
    struct Entry {
        QEvent::Type type;
        Qt::MouseButton button;
        std::int32_t message;
    };
    // Qt's icon reports no double-click of the right or middle button: they
    // come as a second press.
    static constexpr Entry entries[] = {
        {QEvent::MouseButtonPress, Qt::LeftButton, WM_LBUTTONDOWN},
        {QEvent::MouseButtonRelease, Qt::LeftButton, WM_LBUTTONUP},
        {QEvent::MouseButtonDblClick, Qt::LeftButton, WM_LBUTTONDBLCLK},
        {QEvent::MouseButtonPress, Qt::RightButton, WM_RBUTTONDOWN},
        {QEvent::MouseButtonRelease, Qt::RightButton, WM_RBUTTONUP},
        {QEvent::MouseButtonPress, Qt::MiddleButton, WM_MBUTTONDOWN},
        {QEvent::MouseButtonRelease, Qt::MiddleButton, WM_MBUTTONUP},
    };
    for (const Entry& entry : entries)
        if (entry.type == type && entry.button == button) return entry.message;
    return 0;
}

}  // namespace platform::shell
