#include "platform/shell/tray_qt.h"

#include <cstring>

#include "platform/basic/ansi.h"
#include "platform/windows/icons.h"
#include "platform/windows/registered_messages.h"
#include "platform/windows/window_proc.h"

namespace platform::shell {
namespace {

using namespace platform::windows;

constexpr int kWatchIntervalMs = 500;

QString tipText(const NotifyIconDataA& data) {
    const char* end = static_cast<const char*>(std::memchr(data.szTip, 0, sizeof data.szTip));
    const qsizetype length = end == nullptr ? sizeof data.szTip : end - data.szTip;
    return FromAnsi(QByteArray(data.szTip, length));
}

// Deleted later: the icon may be removed while one of its own mouse events is
// still being handled further down the stack.
void discard(QSystemTrayIcon* widget) {
    if (widget == nullptr) return;
    widget->hide();
    widget->deleteLater();
}

}  // namespace

QList<std::int32_t> TrayMouseMessages(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            return {WM_LBUTTONDOWN, WM_LBUTTONUP};
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

QtTrayShell::QtTrayShell(QObject* parent, HostProbe hostAvailable)
    : QObject(parent), hostAvailable_(std::move(hostAvailable)), hostSeen_(hostAvailable_()) {
    watch_.setInterval(kWatchIntervalMs);
    connect(&watch_, &QTimer::timeout, this, &QtTrayShell::CheckHost);
    watch_.start();
}

bool QtTrayShell::NotifyIcon(std::uint32_t message, const NotifyIconDataA& data) {
    switch (message) {
        case NIM_ADD:
            return add(data);
        case NIM_MODIFY:
            return modify(data);
        case NIM_DELETE:
            return remove(data);
        default:
            return false;
    }
}

void QtTrayShell::CheckHost() {
    const bool available = hostAvailable_();
    const bool cameBack = available && !hostSeen_;
    if (!available && hostSeen_) forgetAll();
    hostSeen_ = available;
    if (cameBack) BroadcastMessage(RegisterWindowMessageA(QStringLiteral("TaskbarCreated")), 0, 0);
}

bool QtTrayShell::add(const NotifyIconDataA& data) {
    const Key key{data.hWnd, data.uID};
    if (icons_.contains(key)) return false;
    Icon& icon = icons_[key];
    icon.widget = new QSystemTrayIcon(this);
    // Queued, so that the window's answer (which may remove this very icon)
    // runs once the icon's own mouse handling has finished.
    connect(
        icon.widget, &QSystemTrayIcon::activated, this,
        [this, key](QSystemTrayIcon::ActivationReason reason) { deliver(key, reason); },
        Qt::QueuedConnection);
    apply(icon, data);
    icon.widget->show();
    return true;
}

bool QtTrayShell::modify(const NotifyIconDataA& data) {
    const auto it = icons_.find(Key{data.hWnd, data.uID});
    if (it == icons_.end()) return false;
    apply(*it, data);
    return true;
}

bool QtTrayShell::remove(const NotifyIconDataA& data) {
    const auto it = icons_.find(Key{data.hWnd, data.uID});
    if (it == icons_.end()) return false;
    discard(it->widget);
    icons_.erase(it);
    return true;
}

void QtTrayShell::apply(Icon& icon, const NotifyIconDataA& data) {
    if (data.uFlags & NIF_MESSAGE) {
        icon.callbackMessage = data.uCallbackMessage;
        icon.notifies = true;
    }
    if (data.uFlags & NIF_ICON) icon.widget->setIcon(IconFromHandle(data.hIcon));
    if (data.uFlags & NIF_TIP) icon.widget->setToolTip(tipText(data));
}

void QtTrayShell::deliver(Key key, QSystemTrayIcon::ActivationReason reason) {
    for (const std::int32_t mouseMessage : TrayMouseMessages(reason)) {
        // Looked up for every message: the window may have removed the icon.
        const auto it = icons_.constFind(key);
        if (it == icons_.cend() || !it->notifies) return;
        SendMessageA(key.first, static_cast<std::int32_t>(it->callbackMessage),
                     static_cast<std::int32_t>(key.second), mouseMessage);
    }
}

void QtTrayShell::forgetAll() {
    for (const Icon& icon : std::as_const(icons_)) discard(icon.widget);
    icons_.clear();
}

}  // namespace platform::shell
