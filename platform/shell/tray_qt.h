#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QSystemTrayIcon>
#include <optional>

#include "platform/shell/tray.h"
#include "platform/shell/tray_mouse.h"

class QMouseEvent;

namespace platform::shell {

// The desktop's notification area, one QSystemTrayIcon per record. The mouse
// buttons on an icon reach the record's window as its callback message with
// the icon's uID and the mouse message, each when it happens. The tray host is
// watched: when it goes away its icons are gone, as a restarted shell forgets
// them, and when a host is back every top-level window is sent
// "TaskbarCreated" so that the programs add them again.
class QtTrayShell : public QObject, public TrayShell {
    Q_OBJECT
public:
    explicit QtTrayShell(QObject* parent = nullptr,
                         bool hostPresent = QSystemTrayIcon::isSystemTrayAvailable());

    bool NotifyIcon(std::uint32_t message, const NotifyIconDataA& data) override;
    bool HostPresent() override;

    // The tray host came or went; the host watch reports it.
    void HostChanged(bool present);

protected:
    // Sees the mouse buttons on the icons' own windows.
    bool eventFilter(QObject* watched, QEvent* event) override;

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
    void iconButton(const QMouseEvent& event);
    void activated(Key key, QSystemTrayIcon::ActivationReason reason);
    void deliverLater(Key key, const QList<std::int32_t>& mouseMessages);
    void deliver(Key key, const QList<std::int32_t>& mouseMessages);
    void forgetAll();

    QHash<Key, Icon> icons_;
    bool hostSeen_;
    // The message of the press being handled on an icon's window, until Qt
    // tells which icon it is by activating it.
    std::int32_t pressMessage_ = 0;
    // The icon of the last press, which gets the release too.
    std::optional<Key> pressed_;
};

}  // namespace platform::shell
