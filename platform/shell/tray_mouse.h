#pragma once

#include <QEvent>
#include <QList>
#include <QSystemTrayIcon>
#include <cstdint>

namespace platform::shell {

// The mouse messages that one activation of a tray icon stands for, in the
// order they reach the icon's window. For tray hosts that report whole clicks
// only, not the buttons going down and up (StatusNotifierItem hosts: an
// activation, a context-menu request).
QList<std::int32_t> TrayMouseMessages(QSystemTrayIcon::ActivationReason reason);

// The mouse message for one button event on a tray icon's own window (press,
// double-click or release of the left, right or middle button); 0 for any
// other event or button.
std::int32_t TrayButtonMessage(QEvent::Type type, Qt::MouseButton button);

}  // namespace platform::shell
