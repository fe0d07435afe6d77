#include <QCoreApplication>
#include <QStringList>
#include <QTest>

#include "frmmain_fixture.h"

namespace {

// Notes every tick of a QTimer: the program's own timers. Qt's widgets keep
// one-shot timers of their own for delayed layout, which a slow (sanitizer)
// build may see late; they are not counted.
class TimerWatch : public QObject {
public:
    TimerWatch() { QCoreApplication::instance()->installEventFilter(this); }
    QStringList fired;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Timer || !watched->inherits("QTimer")) return false;
        const QObject* owner = watched->parent() ? watched->parent() : watched;
        fired << owner->metaObject()->className();
        return false;
    }
};

// The main window, its tray icon on the desktop's tray included, sleeps while
// the user does nothing: no timer wakes it.
TEST_F(MainWindowTest, IdleWindowRunsNoTimer) {
    open();
    QTest::qWait(500);  // what the opening left to do
    const TimerWatch watch;
    QTest::qWait(1500);  // long enough for any polling to show
    EXPECT_TRUE(watch.fired.isEmpty()) << watch.fired.join(' ').toStdString();
}

}  // namespace
