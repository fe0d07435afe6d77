#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>

#include "platform/shell/tray.h"

namespace platform::shell {

// The mouse messages that one activation of a tray icon stands for, in the
// order they reach the icon's window.
QList<std::int32_t> TrayMouseMessages(QSystemTrayIcon::ActivationReason reason);

// The desktop's notification area, one QSystemTrayIcon per record. Activations
// reach the record's window as its callback message with the icon's uID and the
// mouse message. It watches the tray host: when the host goes away its icons are
// gone, as a restarted shell forgets them, and when a host is back every
// top-level window is sent "TaskbarCreated" so that the programs add them again.
class QtTrayShell : public QObject, public TrayShell {
    Q_OBJECT
public:
    using HostProbe = std::function<bool()>;
    explicit QtTrayShell(QObject* parent = nullptr,
                         HostProbe hostAvailable = QSystemTrayIcon::isSystemTrayAvailable);

    bool NotifyIcon(std::uint32_t message, const NotifyIconDataA& data) override;

    // Looks at the tray host once; the watch timer calls it every half second.
    void CheckHost();

private:
    using Key = QPair<windows::Hwnd, std::uint32_t>;
    struct Icon {
        QPointer<QSystemTrayIcon> widget;
        std::uint32_t callbackMessage = 0;
        bool notifies = false;
    };

    bool add(const NotifyIconDataA& data);
    bool modify(const NotifyIconDataA& data);
    bool remove(const NotifyIconDataA& data);
    void apply(Icon& icon, const NotifyIconDataA& data);
    void deliver(Key key, QSystemTrayIcon::ActivationReason reason);
    void forgetAll();

    QHash<Key, Icon> icons_;
    HostProbe hostAvailable_;
    bool hostSeen_;
    QTimer watch_;
};

}  // namespace platform::shell
