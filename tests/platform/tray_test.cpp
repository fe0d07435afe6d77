#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>
#include <cstring>
#include <vector>

#include "platform/shell/tray.h"
#include "platform/shell/tray_qt.h"
#include "platform/windows/icons.h"
#include "platform/windows/registered_messages.h"
#include "platform/windows/window_handles.h"
#include "platform/windows/window_proc.h"

namespace {

using namespace platform::shell;
using namespace platform::windows;

TEST(FixedString, TakesTheAnsiBytesCutOrPaddedWithBlanks) {
    struct Case {
        QString text;
        QByteArray bytes;  // all 8 of the field
    };
    const Case cases[] = {
        {"", "        "},
        {"ab", "ab      "},
        {"abcdefgh", "abcdefgh"},
        {"abcdefghij", "abcdefgh"},
        {QString("ab") + QChar(0), QByteArray("ab\0     ", 8)},
        {QStringLiteral("股票"), QByteArray("\xB9\xC9\xC6\xB1    ", 8)},
    };
    for (const Case& c : cases) {
        char field[8];
        std::memset(field, 'x', sizeof field);
        AssignFixedString(field, c.text);
        EXPECT_EQ(QByteArray(field, 8), c.bytes) << c.text.toStdString();
    }
}

TEST(TrayMouseMessages, ActivationIsADoubleClickAndEachOtherReasonAClick) {
    struct Case {
        QSystemTrayIcon::ActivationReason reason;
        QList<std::int32_t> messages;
    };
    const Case cases[] = {
        {QSystemTrayIcon::Trigger, {0x201, 0x202, 0x203, 0x202}},
        {QSystemTrayIcon::DoubleClick, {0x203, 0x202}},
        {QSystemTrayIcon::Context, {0x204, 0x205}},
        {QSystemTrayIcon::MiddleClick, {0x207, 0x208}},
        {QSystemTrayIcon::Unknown, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(TrayMouseMessages(c.reason), c.messages) << c.reason;
}

struct Seen {
    Hwnd hWnd;
    std::int32_t uMsg, wParam, lParam;
    bool operator==(const Seen&) const = default;
};

std::vector<Seen> seen;
// When set, the window removes its icon while answering its first message.
bool removeOnFirst = false;

LResult trayWindowProc(Hwnd hWnd, std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam);

class QtTrayTest : public ::testing::Test {
protected:
    void SetUp() override {
        seen.clear();
        removeOnFirst = false;
        hWnd = HandleOf(&window);
        SetWindowLongA(hWnd, GWL_WNDPROC, trayWindowProc);
        QPixmap picture(16, 16);
        picture.fill(Qt::green);
        hIcon = IconHandle(QIcon(picture), 16);
        current = &shell;
    }
    void TearDown() override { current = nullptr; }

    NotifyIconDataA record(std::uint32_t flags, const QString& tip, std::uint32_t uID = 0) const {
        NotifyIconDataA data{};
        data.cbSize = sizeof data;
        data.hWnd = hWnd;
        data.uID = uID;
        data.uFlags = flags;
        data.uCallbackMessage = 0x500;
        data.hIcon = hIcon;
        AssignFixedString(data.szTip, tip + QChar(0));
        return data;
    }

    QList<QSystemTrayIcon*> liveIcons() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return shell.findChildren<QSystemTrayIcon*>();
    }

    void activate(QSystemTrayIcon::ActivationReason reason) {
        const auto icons = liveIcons();
        ASSERT_EQ(icons.size(), 1);
        emit icons.front()->activated(reason);
        QCoreApplication::processEvents();
    }

    QWidget window;
    Hwnd hWnd = 0;
    Hicon hIcon = 0;
    QtTrayShell shell{nullptr, true};

public:
    static inline QtTrayShell* current = nullptr;
};

LResult trayWindowProc(Hwnd hWnd, std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam) {
    seen.push_back({hWnd, uMsg, wParam, lParam});
    if (removeOnFirst && seen.size() == 1) {
        NotifyIconDataA data{};
        data.hWnd = hWnd;
        data.uID = static_cast<std::uint32_t>(wParam);
        QtTrayTest::current->NotifyIcon(NIM_DELETE, data);
    }
    return 0;
}

TEST_F(QtTrayTest, AddModifyAndDeleteKeepOneIconPerWindowAndId) {
    struct Step {
        const char* what;
        std::uint32_t message;
        std::uint32_t flags;
        QString tip;
        std::uint32_t uID;
        bool accepted;
        int icons;
        QString tipAfter;  // of the icon with uID 0
    };
    const std::uint32_t all = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    const Step steps[] = {
        {"change before add", NIM_MODIFY, all, "x", 0, false, 0, ""},
        {"remove before add", NIM_DELETE, 0, "", 0, false, 0, ""},
        {"add", NIM_ADD, all, "Marlquin2010", 0, true, 1, "Marlquin2010"},
        {"add again", NIM_ADD, all, "other", 0, false, 1, "Marlquin2010"},
        {"second id", NIM_ADD, all, "two", 1, true, 2, "Marlquin2010"},
        {"change tip", NIM_MODIFY, NIF_TIP, QStringLiteral("行情"), 0, true, 2,
         QStringLiteral("行情")},
        {"tip left alone without its flag", NIM_MODIFY, NIF_ICON, "ignored", 0, true, 2,
         QStringLiteral("行情")},
        {"unknown message", 7, all, "x", 0, false, 2, QStringLiteral("行情")},
        {"remove", NIM_DELETE, 0, "", 0, true, 1, ""},
        {"remove again", NIM_DELETE, 0, "", 0, false, 1, ""},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(shell.NotifyIcon(s.message, record(s.flags, s.tip, s.uID)), s.accepted) << s.what;
        const auto icons = liveIcons();
        EXPECT_EQ(icons.size(), s.icons) << s.what;
        if (!s.tipAfter.isEmpty()) {
            ASSERT_FALSE(icons.isEmpty()) << s.what;
            EXPECT_EQ(icons.front()->toolTip(), s.tipAfter) << s.what;
        }
    }
}

TEST_F(QtTrayTest, IconShowsTheRecordsPicture) {
    ASSERT_TRUE(shell.NotifyIcon(NIM_ADD, record(NIF_ICON | NIF_TIP, "t")));
    const auto icons = liveIcons();
    ASSERT_EQ(icons.size(), 1);
    EXPECT_TRUE(icons.front()->isVisible());
    EXPECT_EQ(icons.front()->icon().pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::green));
}

TEST_F(QtTrayTest, ActivationsReachTheWindowAsItsCallbackMessage) {
    struct Case {
        QSystemTrayIcon::ActivationReason reason;
        std::uint32_t flags;
        std::uint32_t uID;
        std::vector<Seen> expected;  // hWnd filled in below
    };
    const Case cases[] = {
        {QSystemTrayIcon::DoubleClick,
         NIF_MESSAGE,
         0,
         {{0, 0x500, 0, 0x203}, {0, 0x500, 0, 0x202}}},
        {QSystemTrayIcon::Context, NIF_MESSAGE, 0, {{0, 0x500, 0, 0x204}, {0, 0x500, 0, 0x205}}},
        {QSystemTrayIcon::Trigger,
         NIF_MESSAGE,
         3,
         {{0, 0x500, 3, 0x201}, {0, 0x500, 3, 0x202}, {0, 0x500, 3, 0x203}, {0, 0x500, 3, 0x202}}},
        {QSystemTrayIcon::MiddleClick,
         NIF_MESSAGE,
         0,
         {{0, 0x500, 0, 0x207}, {0, 0x500, 0, 0x208}}},
        {QSystemTrayIcon::DoubleClick, NIF_ICON | NIF_TIP, 0, {}},
    };
    for (const Case& c : cases) {
        seen.clear();
        ASSERT_TRUE(shell.NotifyIcon(NIM_ADD, record(c.flags, "t", c.uID)));
        activate(c.reason);
        std::vector<Seen> expected = c.expected;
        for (Seen& e : expected) e.hWnd = hWnd;
        EXPECT_EQ(seen, expected) << c.reason << " flags " << c.flags;
        shell.NotifyIcon(NIM_DELETE, record(0, "", c.uID));
    }
}

TEST_F(QtTrayTest, IconRemovedByTheWindowsAnswerGetsNoMoreMessages) {
    removeOnFirst = true;
    ASSERT_TRUE(shell.NotifyIcon(NIM_ADD, record(NIF_MESSAGE, "t")));
    activate(QSystemTrayIcon::Context);
    EXPECT_EQ(seen, (std::vector<Seen>{{hWnd, 0x500, 0, 0x204}}));
    EXPECT_TRUE(liveIcons().isEmpty());
}

// Stands in for the window that Qt docks an icon with in an X tray host: it
// activates its icon on every press and on a left double-click, as Qt's does.
class IconWindow : public QWidget {
public:
    explicit IconWindow(QSystemTrayIcon* icon) : icon_(icon) {
        setObjectName("QSystemTrayIconSys");
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) emit icon_->activated(QSystemTrayIcon::Trigger);
        if (event->button() == Qt::RightButton) emit icon_->activated(QSystemTrayIcon::Context);
        if (event->button() == Qt::MiddleButton)
            emit icon_->activated(QSystemTrayIcon::MiddleClick);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) emit icon_->activated(QSystemTrayIcon::DoubleClick);
    }

private:
    QSystemTrayIcon* icon_;
};

TEST_F(QtTrayTest, EachButtonReachesTheWindowWhenItGoesDownOrUp) {
    constexpr auto press = QEvent::MouseButtonPress;
    constexpr auto release = QEvent::MouseButtonRelease;
    constexpr auto twice = QEvent::MouseButtonDblClick;
    struct Step {
        QEvent::Type type;
        Qt::MouseButton button;
        std::vector<std::int32_t> reaching;  // the mouse messages this event sends
    };
    struct Case {
        const char* what;
        bool removeOnFirst;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"right click",
         false,
         {{press, Qt::RightButton, {0x204}}, {release, Qt::RightButton, {0x205}}}},
        {"left double-click",
         false,
         {{press, Qt::LeftButton, {0x201}},
          {release, Qt::LeftButton, {0x202}},
          {press, Qt::LeftButton, {0x201}},
          {twice, Qt::LeftButton, {0x203}},
          {release, Qt::LeftButton, {0x202}}}},
        {"right double-click",
         false,
         {{press, Qt::RightButton, {0x204}},
          {release, Qt::RightButton, {0x205}},
          {press, Qt::RightButton, {0x204}},
          {twice, Qt::RightButton, {}},
          {release, Qt::RightButton, {0x205}}}},
        {"middle click",
         false,
         {{press, Qt::MiddleButton, {0x207}}, {release, Qt::MiddleButton, {0x208}}}},
        {"another button", false, {{press, Qt::BackButton, {}}, {release, Qt::BackButton, {}}}},
        {"icon removed on the press",
         true,
         {{press, Qt::RightButton, {0x204}}, {release, Qt::RightButton, {}}}},
    };
    for (const Case& c : cases) {
        removeOnFirst = c.removeOnFirst;
        ASSERT_TRUE(shell.NotifyIcon(NIM_ADD, record(NIF_MESSAGE, "t")));
        IconWindow iconWindow(liveIcons().front());
        for (const Step& step : c.steps) {
            seen.clear();
            const QPointF where(5, 5);
            QMouseEvent event(step.type, where, where, step.button,
                              step.type == release ? Qt::NoButton : Qt::MouseButtons(step.button),
                              Qt::NoModifier);
            QCoreApplication::sendEvent(&iconWindow, &event);
            QCoreApplication::processEvents();
            std::vector<std::int32_t> reached;
            for (const Seen& message : seen) reached.push_back(message.lParam);
            EXPECT_EQ(reached, step.reaching) << c.what << ", event " << step.type;
        }
        shell.NotifyIcon(NIM_DELETE, record(0, ""));
    }
}

TEST_F(QtTrayTest, HostRestartForgetsIconsAndAsksWindowsToAddThemAgain) {
    const std::int32_t taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    ASSERT_TRUE(shell.NotifyIcon(NIM_ADD, record(NIF_MESSAGE, "t")));
    struct Step {
        const char* what;
        bool host;
        int icons;
        size_t broadcasts;
    };
    const Step steps[] = {
        {"host still there", true, 1, 0}, {"host gone", false, 0, 0}, {"still gone", false, 0, 0},
        {"host back", true, 0, 1},        {"host stays", true, 0, 1},
    };
    for (const Step& s : steps) {
        shell.HostChanged(s.host);
        EXPECT_EQ(liveIcons().size(), s.icons) << s.what;
        EXPECT_EQ(seen.size(), s.broadcasts) << s.what;
    }
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen.front(), (Seen{hWnd, taskbarCreated, 0, 0}));
    EXPECT_TRUE(shell.NotifyIcon(NIM_ADD, record(NIF_MESSAGE, "t"))) << "added again";
}

TEST_F(QtTrayTest, HostAppearingLaterAlsoAsksForTheIcons) {
    QtTrayShell late(nullptr, false);
    late.HostChanged(true);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen.front().uMsg, RegisterWindowMessageA("TaskbarCreated"));
}

class CountingTray : public TrayShell {
public:
    bool NotifyIcon(std::uint32_t message, const NotifyIconDataA& data) override {
        messages.push_back(message);
        tips.push_back(QByteArray(data.szTip, 4));
        return message != NIM_DELETE;
    }
    bool HostPresent() override { return false; }
    std::vector<std::uint32_t> messages;
    std::vector<QByteArray> tips;
};

TEST(ShellNotifyIcon, GoesToTheShellInPlace) {
    CountingTray tray;
    TrayShell* before = SetTrayShell(&tray);
    NotifyIconDataA data{};
    AssignFixedString(data.szTip, "tips");
    EXPECT_TRUE(Shell_NotifyIconA(NIM_ADD, data));
    EXPECT_FALSE(Shell_NotifyIconA(NIM_DELETE, data));
    EXPECT_FALSE(TrayHostPresent());
    EXPECT_EQ(SetTrayShell(before), &tray);
    EXPECT_EQ(tray.messages, (std::vector<std::uint32_t>{NIM_ADD, NIM_DELETE}));
    EXPECT_EQ(tray.tips, (std::vector<QByteArray>{"tips", "tips"}));
}

}  // namespace
