#pragma once

#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace desktop {

// A tray host of the kind most desktops have now: the StatusNotifierItem
// watcher, on a session bus of its own that starts no services. Programs
// register their icons (items) with it; the test plays the host's user by
// calling an item's methods, as the host does on a click.
class StatusNotifierHost : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ HostRegistered)

public:
    ~StatusNotifierHost() override;
    // Starts the bus and puts the watcher on it.
    bool Start();
    // The bus's address, for a program's DBUS_SESSION_BUS_ADDRESS.
    QString Address() const { return address_; }
    // The bus names of the items registered so far.
    QStringList Items() const { return items_; }
    // Calls a method of the first item with a screen position (Activate,
    // ContextMenu) and waits for its answer; false when it failed.
    bool Call(const QString& method);

    bool HostRegistered() const { return true; }

public slots:
    void RegisterStatusNotifierItem(const QString& service) { items_.append(service); }

private:
    QTemporaryDir folder_;
    QProcess daemon_;
    QString address_;
    QStringList items_;
};

}  // namespace desktop
