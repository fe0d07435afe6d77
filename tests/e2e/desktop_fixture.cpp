#include "desktop_fixture.h"

#include <signal.h>
#include <sys/prctl.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSystemTrayIcon>
#include <QThread>

namespace desktop {
namespace {

QString hexId(WId window) {
    return QStringLiteral("0x") + QString::number(window, 16);
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(20);
    }
    return true;
}

QString Run(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(10000)) process.kill();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

void Click(const QPoint& where, int button, int count) {
    // Clicks meant to be apart are further apart than a double-click.
    static QElapsedTimer sinceLast;
    const int apart = QApplication::doubleClickInterval() + 200;
    if (sinceLast.isValid() && sinceLast.elapsed() < apart)
        WaitUntil([apart] { return sinceLast.elapsed() >= apart; }, apart);
    Run("xdotool", {"mousemove", QString::number(where.x()), QString::number(where.y())});
    // A pause between arriving and clicking, as a user makes: a click at the
    // very moment the pointer enters a tray icon does not reach it.
    WaitUntil([] { return false; }, 300);
    Run("xdotool",
        {"click", "--repeat", QString::number(count), "--delay", "80", QString::number(button)});
    sinceLast.start();
}

WId TrayPanel() {
    // trayer's panel window has the class ("panel", "trayer").
    static const QRegularExpression panel(R"(^\s*(0x[0-9a-f]+) .*\("panel" "trayer"\))",
                                          QRegularExpression::MultilineOption);
    const auto match = panel.match(Run("xwininfo", {"-root", "-tree"}));
    return match.hasMatch() ? match.captured(1).toULongLong(nullptr, 16) : 0;
}

bool IsDocked(WId window) {
    const WId panel = TrayPanel();
    if (panel == 0 || window == 0) return false;
    const QString tree = Run("xwininfo", {"-id", hexId(panel), "-tree"});
    return tree.contains(QRegularExpression("\\b" + hexId(window) + "\\b"));
}

QRect ScreenRect(WId window) {
    const QString info = Run("xwininfo", {"-id", hexId(window)});
    const auto field = [&info](const char* name) {
        const QRegularExpression line(QString(name) + R"(:\s+(-?\d+))");
        return line.match(info).captured(1).toInt();
    };
    return {field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
            field("Height")};
}

bool IsViewable(WId window) {
    return Run("xwininfo", {"-id", hexId(window)}).contains("Map State: IsViewable");
}

TrayHost::~TrayHost() {
    Stop();
}

bool TrayHost::Start() {
    process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process_.start("trayer", {"--edge", "bottom", "--align", "right", "--widthtype", "pixel",
                              "--width", "160", "--height", "28"});
    return process_.waitForStarted(10000) &&
           WaitUntil([] { return QSystemTrayIcon::isSystemTrayAvailable(); });
}

bool TrayHost::Stop() {
    if (process_.state() == QProcess::NotRunning) return true;
    process_.terminate();
    if (!process_.waitForFinished(5000)) process_.kill();
    process_.waitForFinished(5000);
    return WaitUntil([] { return !QSystemTrayIcon::isSystemTrayAvailable(); });
}

}  // namespace desktop
