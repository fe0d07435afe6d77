#include "status_notifier_fixture.h"

#include <signal.h>
#include <sys/prctl.h>

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QFile>

#include "desktop_fixture.h"

namespace desktop {
namespace {

const QString kConnection = QStringLiteral("status-notifier-host");

// A session bus for anyone that starts no services, so that none outlives
// the test.
const char kBusConfig[] =
    "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>"
    "<policy context='default'><allow send_destination='*'/><allow receive_sender='*'/>"
    "<allow own='*'/></policy></busconfig>";

}  // namespace

StatusNotifierHost::~StatusNotifierHost() {
    QDBusConnection::disconnectFromBus(kConnection);
    if (daemon_.state() == QProcess::NotRunning) return;
    daemon_.terminate();
    if (!daemon_.waitForFinished(5000)) daemon_.kill();
}

bool StatusNotifierHost::Start() {
    const QString config = folder_.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(kBusConfig) < 0) return false;
    file.close();
    daemon_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    daemon_.start(QStringLiteral("dbus-daemon"),
                  {"--config-file=" + config, "--nofork", "--nopidfile", "--print-address"});
    if (!daemon_.waitForStarted(10000) || !WaitUntil([this] { return daemon_.canReadLine(); }))
        return false;
    address_ = QString::fromLocal8Bit(daemon_.readLine()).trimmed();
    QDBusConnection bus = QDBusConnection::connectToBus(address_, kConnection);
    return bus.registerObject(
               QStringLiteral("/StatusNotifierWatcher"), this,
               QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties) &&
           bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

bool StatusNotifierHost::Call(const QString& method) {
    if (items_.isEmpty()) return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(items_.front(), QStringLiteral("/StatusNotifierItem"),
                                       QStringLiteral("org.kde.StatusNotifierItem"), method);
    call << 640 << 780;
    // Not a blocking call: the program may ask the watcher something first.
    const QDBusPendingCall pending = QDBusConnection(kConnection).asyncCall(call);
    return WaitUntil([&] { return pending.isFinished(); }) && !pending.isError();
}

}  // namespace desktop
