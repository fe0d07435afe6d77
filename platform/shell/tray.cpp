#include "platform/shell/tray.h"

#include <QApplication>
#include <QPointer>
#include <utility>

#include "platform/shell/tray_qt.h"

namespace platform::shell {
namespace {

TrayShell*& replacement() {
    static TrayShell* shell = nullptr;
    return shell;
}

// Created at the first call and owned by the application, so that its icons
// and its watch timer go before the application does.
TrayShell& desktopTray() {
    static QPointer<QtTrayShell> shell;
    if (shell == nullptr) shell = new QtTrayShell(qApp);
    return *shell;
}

}  // namespace

bool Shell_NotifyIconA(std::uint32_t message, const NotifyIconDataA& data) {
    TrayShell* shell = replacement();
    return (shell != nullptr ? *shell : desktopTray()).NotifyIcon(message, data);
}

TrayShell* SetTrayShell(TrayShell* shell) {
    return std::exchange(replacement(), shell);
}

}  // namespace platform::shell
