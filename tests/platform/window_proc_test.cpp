#include <gtest/gtest.h>

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <memory>
#include <vector>

#include "platform/windows/foreground.h"
#include "platform/windows/icons.h"
#include "platform/windows/registered_messages.h"
#include "platform/windows/window_handles.h"
#include "platform/windows/window_proc.h"

namespace {

using namespace platform::windows;

struct Seen {
    Hwnd hWnd;
    std::int32_t uMsg, wParam, lParam;
    bool operator==(const Seen&) const = default;
};

std::vector<Seen> seenA, seenB;

LResult procA(Hwnd hWnd, std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam) {
    seenA.push_back({hWnd, uMsg, wParam, lParam});
    return 11;
}

LResult procB(Hwnd hWnd, std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam) {
    seenB.push_back({hWnd, uMsg, wParam, lParam});
    return 22;
}

class WindowProcTest : public ::testing::Test {
protected:
    void SetUp() override {
        seenA.clear();
        seenB.clear();
    }
};

QIcon twoSizeIcon(Qt::GlobalColor small, Qt::GlobalColor big) {
    QIcon icon;
    QPixmap s(16, 16), b(32, 32);
    s.fill(small);
    b.fill(big);
    icon.addPixmap(s);
    icon.addPixmap(b);
    return icon;
}

TEST_F(WindowProcTest, EveryWidgetKeepsItsOwnHandle) {
    QWidget top;
    auto* child = new QWidget(&top);
    const Hwnd hTop = HandleOf(&top);
    const Hwnd hChild = HandleOf(child);
    EXPECT_NE(hTop, 0);
    EXPECT_NE(hChild, 0);
    EXPECT_NE(hTop, hChild);
    EXPECT_EQ(HandleOf(&top), hTop);
    EXPECT_EQ(WidgetOf(hTop), &top);
    EXPECT_EQ(WidgetOf(hChild), child);
    EXPECT_EQ(HandleOf(nullptr), 0);
    EXPECT_EQ(WidgetOf(0), nullptr);
}

TEST_F(WindowProcTest, DestroyedWindowReachesNothingAndItsHandleIsNotReused) {
    auto window = std::make_unique<QWidget>();
    const Hwnd gone = HandleOf(window.get());
    SetWindowLongA(gone, GWL_WNDPROC, procA);
    window.reset();
    EXPECT_EQ(WidgetOf(gone), nullptr);
    EXPECT_EQ(SendMessageA(gone, 0x400, 1, 2), 0);
    EXPECT_EQ(SetWindowLongA(gone, GWL_WNDPROC, procB), nullptr);
    EXPECT_TRUE(seenA.empty());
    QWidget next;
    EXPECT_NE(HandleOf(&next), gone);
}

TEST_F(WindowProcTest, TopLevelHandlesHoldHiddenWindowsButNoControls) {
    QWidget shown, hidden;
    auto* control = new QWidget(&shown);
    shown.show();
    const Hwnd hShown = HandleOf(&shown), hHidden = HandleOf(&hidden);
    const Hwnd hControl = HandleOf(control);
    const QList<Hwnd> tops = TopLevelHandles();
    EXPECT_TRUE(tops.contains(hShown));
    EXPECT_TRUE(tops.contains(hHidden));
    EXPECT_FALSE(tops.contains(hControl));
}

TEST_F(WindowProcTest, ReplacingTheProcedureAnswersWithThePreviousOne) {
    QWidget window;
    const Hwnd hWnd = HandleOf(&window);
    struct Case {
        const char* what;
        Hwnd target;
        int index;
        WndProc proc;
        WndProc returned;
        std::int32_t answer;  // what a message then gets
    };
    const Case cases[] = {
        {"style index changes nothing", hWnd, -16, procA, nullptr, 0},
        {"null procedure changes nothing", hWnd, GWL_WNDPROC, nullptr, nullptr, 0},
        {"unknown window", 0x7FFF0000, GWL_WNDPROC, procA, nullptr, 0},
        {"first replacement", hWnd, GWL_WNDPROC, procA, DefaultWindowProc, 11},
        {"second replacement", hWnd, GWL_WNDPROC, procB, procA, 22},
        {"put back", hWnd, GWL_WNDPROC, procA, procB, 11},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SetWindowLongA(c.target, c.index, c.proc), c.returned) << c.what;
        EXPECT_EQ(SendMessageA(hWnd, 0x400, 0, 0), c.answer) << c.what;
    }
}

TEST_F(WindowProcTest, MessagesReachTheProcedureUnchanged) {
    QWidget window;
    const Hwnd hWnd = HandleOf(&window);
    SetWindowLongA(hWnd, GWL_WNDPROC, procA);
    EXPECT_EQ(SendMessageA(hWnd, 0x500, -1, 0x203), 11);
    EXPECT_EQ(CallWindowProcA(procB, hWnd, 0xC001, 7, -8), 22);
    EXPECT_EQ(CallWindowProcA(nullptr, hWnd, 0x400, 0, 0), 0);
    EXPECT_EQ(seenA, (std::vector<Seen>{{hWnd, 0x500, -1, 0x203}}));
    EXPECT_EQ(seenB, (std::vector<Seen>{{hWnd, 0xC001, 7, -8}}));
}

TEST_F(WindowProcTest, DefaultProcedureAnswersWithTheWindowsIconOfTheAskedSize) {
    QWidget window;
    window.setWindowIcon(twoSizeIcon(Qt::red, Qt::blue));
    const Hwnd hWnd = HandleOf(&window);
    struct Case {
        std::int32_t which;
        int size;  // 0: no icon
        QColor colour;
    };
    const Case cases[] = {
        {ICON_SMALL, 16, Qt::red},
        {ICON_SMALL2, 16, Qt::red},
        {ICON_BIG, 32, Qt::blue},
        {5, 0, {}},
    };
    for (const Case& c : cases) {
        const Hicon hIcon = SendMessageA(hWnd, WM_GETICON, c.which, 0);
        if (c.size == 0) {
            EXPECT_EQ(hIcon, 0) << c.which;
            continue;
        }
        ASSERT_NE(hIcon, 0) << c.which;
        EXPECT_EQ(SendMessageA(hWnd, WM_GETICON, c.which, 0), hIcon) << "asked again";
        const QIcon icon = IconFromHandle(hIcon);
        ASSERT_EQ(icon.availableSizes(), QList<QSize>{QSize(c.size, c.size)}) << c.which;
        const QImage image = icon.pixmap(c.size).toImage();
        EXPECT_EQ(image.pixelColor(c.size / 2, c.size / 2), c.colour) << c.which;
    }
    EXPECT_EQ(SendMessageA(hWnd, 0x400, ICON_SMALL, 0), 0);
}

TEST_F(WindowProcTest, WindowWithoutIconGetsNone) {
    QWidget window;
    ASSERT_TRUE(window.windowIcon().isNull());
    EXPECT_EQ(SendMessageA(HandleOf(&window), WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_TRUE(IconFromHandle(0).isNull());
    EXPECT_TRUE(IconFromHandle(0x7FFFFFFF).isNull());
}

TEST_F(WindowProcTest, RegisteredMessagesAreStableAndCaseBlind) {
    const std::int32_t taskbar = RegisterWindowMessageA("TaskbarCreated");
    struct Case {
        const char* name;
        bool sameAsTaskbar;
    };
    const Case cases[] = {
        {"TaskbarCreated", true},   {"TASKBARCREATED", true},   {"taskbarcreated", true},
        {"TaskbarCreated2", false}, {"Taskbar Created", false},
    };
    for (const Case& c : cases) {
        const std::int32_t number = RegisterWindowMessageA(c.name);
        EXPECT_GE(number, 0xC000) << c.name;
        EXPECT_LE(number, 0xFFFF) << c.name;
        EXPECT_EQ(number == taskbar, c.sameAsTaskbar) << c.name;
    }
    EXPECT_EQ(RegisterWindowMessageA(""), 0);
}

TEST_F(WindowProcTest, BroadcastReachesHiddenWindowsButNotControlsOrClosedOnes) {
    QWidget first, hidden;
    auto* control = new QWidget(&first);
    static QWidget* closedMeanwhile;
    closedMeanwhile = new QWidget;
    first.show();
    const Hwnd hFirst = HandleOf(&first), hHidden = HandleOf(&hidden);
    const Hwnd hControl = HandleOf(control), hClosed = HandleOf(closedMeanwhile);
    // The first window's answer closes a window whose turn comes later.
    SetWindowLongA(hFirst, GWL_WNDPROC,
                   [](Hwnd h, std::int32_t m, std::int32_t w, std::int32_t l) -> LResult {
                       seenA.push_back({h, m, w, l});
                       delete closedMeanwhile;
                       return 0;
                   });
    for (const Hwnd h : {hHidden, hControl, hClosed}) SetWindowLongA(h, GWL_WNDPROC, procB);
    BroadcastMessage(0xC123, 1, 2);
    EXPECT_EQ(seenA, (std::vector<Seen>{{hFirst, 0xC123, 1, 2}}));
    EXPECT_EQ(seenB, (std::vector<Seen>{{hHidden, 0xC123, 1, 2}}));
}

TEST_F(WindowProcTest, ForegroundNeedsAShownWindow) {
    QWidget window;
    const Hwnd hWnd = HandleOf(&window);
    EXPECT_FALSE(SetForegroundWindow(hWnd));
    EXPECT_FALSE(SetForegroundWindow(0));
    window.show();
    EXPECT_TRUE(SetForegroundWindow(hWnd));
}

}  // namespace
