#include <gtest/gtest.h>

#include <QCursor>
#include <QTest>
#include <ostream>

#include "host_fixture.h"
#include "platform/controlhost/control_timer.h"
#include "platform/controlhost/mouse_pointer.h"
#include "platform/controlhost/pointer_capture.h"
#include "platform/controlhost/window_region.h"
#include "platform/raster/raster.h"
#include "platform/windows/window_proc.h"

namespace {

using namespace platform::controlhost;
using platform::controlhost::testing::HostWindow;

TEST(WindowHandles, AreStableUniqueAndForgottenWithTheWindow) {
    auto* first = new QWidget;
    QWidget second;
    const HWND a = HandleOf(first);
    EXPECT_GT(a, 0);
    EXPECT_EQ(HandleOf(first), a);
    EXPECT_NE(HandleOf(&second), a);
    EXPECT_EQ(WidgetOf(a), first);
    delete first;
    EXPECT_EQ(WidgetOf(a), nullptr);
    EXPECT_EQ(HandleOf(nullptr), 0);
    EXPECT_EQ(WidgetOf(0), nullptr);
}

platform::windows::LResult AnswerSeven(HWND, std::int32_t, std::int32_t, std::int32_t) {
    return 7;
}

// The control host and the window procedures share one handle table: a
// procedure installed on a control's handle answers what is sent to it.
TEST(WindowHandles, AreOneTableForControlsAndWindowProcedures) {
    namespace windows = platform::windows;
    HostWindow w;
    for (QWidget* widget : {static_cast<QWidget*>(w.control), w.window.get()}) {
        const HWND hwnd = HandleOf(widget);
        EXPECT_EQ(windows::HandleOf(widget), hwnd);
        ASSERT_NE(windows::SetWindowLongA(hwnd, windows::GWL_WNDPROC, AnswerSeven), nullptr);
        EXPECT_EQ(windows::SendMessageA(hwnd, 0x400, 0, 0), 7);
    }
    EXPECT_EQ(windows::WidgetOf(w.control->hWnd()), w.control);
}

// The window under the pointer: a child window is a window of its own.
struct PointCase {
    const char* name;
    QPoint inWindow;  // where the pointer goes, in the window's pixels
    const char* expected;
};

void PrintTo(const PointCase& c, std::ostream* out) {
    *out << c.name;
}

class WindowUnderPointer : public ::testing::TestWithParam<PointCase> {};

TEST_P(WindowUnderPointer, IsTheInnermostWindowThere) {
    HostWindow w;  // control at (30, 40), 20 x 10
    auto* child = new QWidget(w.control);
    child->setGeometry(0, 0, 5, 5);
    child->show();
    const QHash<QString, HWND> windows{{"control", w.control->hWnd()},
                                       {"child", HandleOf(child)},
                                       {"window", HandleOf(w.window.get())},
                                       {"none", 0}};
    QCursor::setPos(w.window->mapToGlobal(GetParam().inWindow));
    EXPECT_EQ(GetCursorPos(), w.window->mapToGlobal(GetParam().inWindow));
    EXPECT_EQ(WindowFromPoint(GetCursorPos()), windows.value(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Points, WindowUnderPointer,
                         ::testing::Values(PointCase{"OnControl", {40, 45}, "control"},
                                           PointCase{"ControlsLastPixel", {49, 49}, "control"},
                                           PointCase{"JustPastIt", {50, 45}, "window"},
                                           PointCase{"OnChild", {31, 41}, "child"},
                                           PointCase{"OutsideEverything", {-500, -500}, "none"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MouseCapture, RecordsTheWindowThatAskedForIt) {
    HostWindow w;
    ReleaseCapture();
    EXPECT_EQ(SetCapture(w.control->hWnd()), 0);
    EXPECT_EQ(GetCapture(), w.control->hWnd());
    EXPECT_EQ(SetCapture(HandleOf(w.window.get())), w.control->hWnd());
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), 0);
    EXPECT_EQ(SetCapture(123456789), 0);
    EXPECT_EQ(GetCapture(), 0);
}

TEST(MouseCapture, EndsWithItsWindow) {
    auto* widget = new QWidget;
    SetCapture(HandleOf(widget));
    delete widget;
    EXPECT_EQ(GetCapture(), 0);
}

TEST(WindowRegion, ShapesTheWindowAndBelongsToIt) {
    const std::size_t before = platform::raster::LiveObjectCount();
    {
        HostWindow w;
        const platform::raster::HRGN whole = platform::raster::CreateRectRgn(0, 0, 20, 10);
        const platform::raster::HRGN corner = platform::raster::CreateRectRgn(0, 0, 2, 1);
        platform::raster::CombineRgn(whole, whole, corner, platform::raster::RGN_DIFF);
        platform::raster::DeleteObject(corner);
        EXPECT_EQ(SetWindowRgn(w.control->hWnd(), whole, true), 1);
        EXPECT_FALSE(w.control->mask().contains(QPoint(1, 0)));
        EXPECT_TRUE(w.control->mask().contains(QPoint(2, 0)));
        // The first region is freed when a second one replaces it.
        const std::size_t withOne = platform::raster::LiveObjectCount();
        EXPECT_EQ(
            SetWindowRgn(w.control->hWnd(), platform::raster::CreateRectRgn(0, 0, 5, 5), false), 1);
        EXPECT_EQ(platform::raster::LiveObjectCount(), withOne);
        EXPECT_EQ(SetWindowRgn(w.control->hWnd(), {}, false), 1);
        EXPECT_TRUE(w.control->mask().isEmpty());
        EXPECT_EQ(
            SetWindowRgn(w.control->hWnd(), platform::raster::CreateRectRgn(0, 0, 5, 5), false), 1);
    }
    // The window took its last region with it.
    EXPECT_EQ(platform::raster::LiveObjectCount(), before);
}

TEST(WindowRegion, UnknownWindowLeavesTheRegionWithTheCaller) {
    const platform::raster::HRGN region = platform::raster::CreateRectRgn(0, 0, 5, 5);
    EXPECT_EQ(SetWindowRgn(987654321, region, false), 0);
    EXPECT_TRUE(platform::raster::DeleteObject(region));
}

TEST(ControlTimer, TicksOnlyWhileEnabledWithAnInterval) {
    ControlTimer timer;
    int ticks = 0;
    timer.OnTimer([&ticks] { ++ticks; });
    EXPECT_TRUE(timer.Enabled());
    QTest::qWait(30);
    EXPECT_EQ(ticks, 0);  // no interval yet
    timer.SetInterval(10);
    EXPECT_TRUE(QTest::qWaitFor([&ticks] { return ticks >= 2; }, 1000));
    timer.SetEnabled(false);
    const int stopped = ticks;
    QTest::qWait(40);
    EXPECT_EQ(ticks, stopped);
}

struct PointerCase {
    const char* name;
    std::int16_t value;
    bool withIcon;
    int shape;  // -1: no cursor of its own
};

void PrintTo(const PointerCase& c, std::ostream* out) {
    *out << c.name;
}

class MousePointer : public ::testing::TestWithParam<PointerCase> {};

TEST_P(MousePointer, GivesTheCursorOfItsValue) {
    const PointerCase& c = GetParam();
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::black);
    const auto picture = c.withIcon ? platform::raster::IconPictureFromImage(icon) : nullptr;
    const auto cursor = CursorFor(c.value, picture);
    if (c.shape < 0) {
        EXPECT_FALSE(cursor.has_value());
        return;
    }
    ASSERT_TRUE(cursor.has_value());
    EXPECT_EQ(cursor->shape(), c.shape);
    if (c.shape == Qt::BitmapCursor) {
        EXPECT_EQ(cursor->hotSpot(), QPoint(16, 16));
    }
}

INSTANTIATE_TEST_SUITE_P(Values, MousePointer,
                         ::testing::Values(PointerCase{"Default", 0, true, -1},
                                           PointerCase{"Arrow", 1, false, Qt::ArrowCursor},
                                           PointerCase{"Hourglass", 11, false, Qt::WaitCursor},
                                           PointerCase{"CustomIcon", 99, true, Qt::BitmapCursor},
                                           PointerCase{"CustomWithoutIcon", 99, false, -1},
                                           PointerCase{"Unknown", 50, true, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MousePointer, ControlShowsItsPointer) {
    HostWindow w;
    w.control->SetMousePointer(11);
    EXPECT_EQ(w.control->cursor().shape(), Qt::WaitCursor);
    w.control->SetMousePointer(0);
    EXPECT_FALSE(w.control->testAttribute(Qt::WA_SetCursor));
}

}  // namespace
