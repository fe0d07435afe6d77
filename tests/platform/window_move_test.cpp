#include <gtest/gtest.h>

#include <QCursor>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "platform/windows/window_move.h"

namespace {

// A borderless window that starts a move on a press of any button, as the
// program's windows do. No window manager takes the move here, so the window
// follows the pointer itself.
class DragWindow : public QWidget {
public:
    DragWindow() : QWidget(nullptr, Qt::FramelessWindowHint) {}

protected:
    void mousePressEvent(QMouseEvent*) override { platform::windows::BeginWindowMove(this); }
};

TEST(WindowMove, EndsWithTheReleaseOfTheButtonThatBeganIt) {
    enum Act { Press, Release, Point };
    struct Step {
        Act act;
        Qt::MouseButton button;  // for Point: nothing
        QPoint pointer;          // where the pointer goes, for Point
        QPoint windowAt;         // where the window is after the step
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
    };
    const QPoint start(100, 100);
    const Case cases[] = {
        {"left drag",
         {{Press, Qt::LeftButton, {}, start},
          {Point, Qt::NoButton, {140, 130}, {120, 110}},
          {Release, Qt::LeftButton, {}, {120, 110}},
          {Point, Qt::NoButton, {200, 200}, {120, 110}}}},
        {"right drag with a left click on the way",
         {{Press, Qt::RightButton, {}, start},
          {Point, Qt::NoButton, {140, 130}, {120, 110}},
          {Press, Qt::LeftButton, {}, {120, 110}},
          {Release, Qt::LeftButton, {}, {120, 110}},
          {Point, Qt::NoButton, {150, 150}, {130, 130}},
          {Release, Qt::RightButton, {}, {130, 130}},
          {Point, Qt::NoButton, {200, 200}, {130, 130}}}},
        {"middle drag",
         {{Press, Qt::MiddleButton, {}, start},
          {Point, Qt::NoButton, {130, 125}, {110, 105}},
          {Release, Qt::MiddleButton, {}, {110, 105}},
          {Point, Qt::NoButton, {200, 200}, {110, 105}}}},
    };
    for (const Case& c : cases) {
        DragWindow window;
        window.setGeometry(QRect(start, QSize(200, 100)));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCursor::setPos(start + QPoint(20, 20));
        QCoreApplication::processEvents();
        for (const Step& step : c.steps) {
            QWindow* handle = window.windowHandle();
            const QPoint local = QCursor::pos() - window.pos();
            if (step.act == Press) QTest::mousePress(handle, step.button, {}, local);
            if (step.act == Release) QTest::mouseRelease(handle, step.button, {}, local);
            if (step.act == Point) QCursor::setPos(step.pointer);
            QCoreApplication::processEvents();
            EXPECT_EQ(window.pos(), step.windowAt) << c.what << ", step " << (&step - &c.steps[0]);
        }
    }
}

}  // namespace
