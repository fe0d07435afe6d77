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

// Created at the first call. Its icons are widgets and its watch is a timer:
// they go when the event loop ends, while the application still lives (its
// children would be deleted only after the GUI is torn down).
TrayShell& desktopTray() {
    static QPointer<QtTrayShell> shell;
    if (shell == nullptr) {
        shell = new QtTrayShell(qApp);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, shell, &QObject::deleteLater);
    }
    return *shell;
}

TrayShell& shellInPlace() {
    TrayShell* shell = replacement();
    return shell != nullptr ? *shell : desktopTray();
}

}  // namespace

bool Shell_NotifyIconA(std::uint32_t message, const NotifyIconDataA& data) {
    return shellInPlace().NotifyIcon(message, data);
}

bool TrayHostPresent() {
    return shellInPlace().HostPresent();
}

TrayShell* SetTrayShell(TrayShell* shell) {
    return std::exchange(replacement(), shell);
}

}  // namespace platform::shell
