#include "platform/shell/tray_qt.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <cstring>

#include "platform/basic/ansi.h"
#include "platform/shell/tray_host_watch.h"
#include "platform/windows/icons.h"
#include "platform/windows/registered_messages.h"
#include "platform/windows/window_proc.h"

namespace platform::shell {
namespace {

using namespace platform::windows;

QString tipText(const NotifyIconDataA& data) {
    const char* end = static_cast<const char*>(std::memchr(data.szTip, 0, sizeof data.szTip));
    const qsizetype length = end == nullptr ? sizeof data.szTip : end - data.szTip;
    return basic::FromAnsi(QByteArray(data.szTip, length));
}

// Deleted later: the icon may be removed while one of its own mouse events is
// still being handled further down the stack.
void discard(QSystemTrayIcon* widget) {
    if (widget == nullptr) return;
    widget->hide();
    widget->deleteLater();
}

// Qt shows an icon docked in an X tray host as a window of its own, named so.
bool isIconWindow(const QObject* object) {
    return object->isWidgetType() && object->objectName() == QLatin1String("QSystemTrayIconSys");
}

}  // namespace

QtTrayShell::QtTrayShell(QObject* parent, bool hostPresent)
    : QObject(parent), hostSeen_(hostPresent) {
    connect(new TrayHostWatch(this), &TrayHostWatch::HostChanged, this, &QtTrayShell::HostChanged,
            Qt::QueuedConnection);
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
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

// Qt counts the hosts it can dock its icons in: an X tray, and a
// StatusNotifierItem watcher on the session bus if one was there when Qt
// first looked (it then uses that kind for good).
bool QtTrayShell::HostPresent() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayShell::HostChanged(bool present) {
    if (present == hostSeen_) return;
    hostSeen_ = present;
    if (!present) {
        forgetAll();
        return;
    }
    BroadcastMessage(RegisterWindowMessageA(QStringLiteral("TaskbarCreated")), 0, 0);
}

bool QtTrayShell::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            if (isIconWindow(watched)) iconButton(*static_cast<QMouseEvent*>(event));
            break;
        default:
            break;
    }
    return false;
}

void QtTrayShell::iconButton(const QMouseEvent& event) {
    const std::int32_t message = TrayButtonMessage(event.type(), event.button());
    if (event.type() != QEvent::MouseButtonRelease) {
        // The icon's window activates its icon while it handles this press.
        pressMessage_ = message;
        return;
    }
    pressMessage_ = 0;
    // The pointer stays with the window pressed until its buttons are up.
    if (message != 0 && pressed_ && icons_.contains(*pressed_)) deliverLater(*pressed_, {message});
}

void QtTrayShell::activated(Key key, QSystemTrayIcon::ActivationReason reason) {
    if (pressMessage_ == 0) {
        // A host that reports whole clicks: the click's messages all at once.
        deliverLater(key, TrayMouseMessages(reason));
        return;
    }
    pressed_ = key;
    deliverLater(key, {std::exchange(pressMessage_, 0)});
}

bool QtTrayShell::add(const NotifyIconDataA& data) {
    const Key key{data.hWnd, data.uID};
    if (icons_.contains(key)) return false;
    Icon& icon = icons_[key];
    icon.widget = new QSystemTrayIcon(this);
    connect(icon.widget, &QSystemTrayIcon::activated, this,
            [this, key](QSystemTrayIcon::ActivationReason reason) { activated(key, reason); });
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

void QtTrayShell::deliverLater(Key key, const QList<std::int32_t>& mouseMessages) {
    // Queued, so that the window's answer (which may remove this very icon or
    // open a menu) runs once the icon's own mouse handling has finished.
    QMetaObject::invokeMethod(
        this, [this, key, mouseMessages] { deliver(key, mouseMessages); }, Qt::QueuedConnection);
}

void QtTrayShell::deliver(Key key, const QList<std::int32_t>& mouseMessages) {
    for (const std::int32_t mouseMessage : mouseMessages) {
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
