#include <QCoreApplication>
#include <QStringList>
#include <QTest>

#include "frmmain_fixture.h"

namespace {

// Notes every timer event that reaches an object of the program.
class TimerWatch : public QObject {
public:
    TimerWatch() { QCoreApplication::instance()->installEventFilter(this); }
    QStringList fired;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer) fired << watched->metaObject()->className();
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
