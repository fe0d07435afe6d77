#include <QAction>
#include <QImage>
#include <QMenu>
#include <cstring>

#include "app/Frmmenu/Frmmenu.h"
#include "app/ImgBlt/WindowHook.h"
#include "platform/config/config_values.h"
#include "platform/windows/icons.h"
#include "platform/windows/window_handles.h"
#include "platform/windows/window_proc.h"
#include "support/row_print.h"
#include "tray_fixture.h"

namespace {

using namespace platform::shell;
using namespace platform::windows;

QByteArray bytesOf(const NotifyIconDataA& data) {
    return QByteArray(reinterpret_cast<const char*>(&data), sizeof data);
}

void put32(QByteArray& bytes, int offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// The record's bytes: the window's icon, or with full == false only the
// fields that name the icon.
QByteArray expectedRecord(Hwnd hWnd, Hicon hIcon, bool full) {
    QByteArray bytes(504, '\0');
    put32(bytes, 0, 504);
    put32(bytes, 4, static_cast<std::uint32_t>(hWnd));
    if (!full) return bytes;
    put32(bytes, 12, 7);
    put32(bytes, 16, 0x500);
    put32(bytes, 20, static_cast<std::uint32_t>(hIcon));
    const QByteArray tip = QByteArray("Marlquin2010") + '\0' + QByteArray(115, ' ');
    bytes.replace(24, 128, tip);
    return bytes;
}

int firstDifference(const QByteArray& a, const QByteArray& b) {
    for (int i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i]) return i;
    return a.size() == b.size() ? -1 : static_cast<int>(std::min(a.size(), b.size()));
}

struct RecordCase {
    const char* name;
    void (*act)(Frmmain&);
    std::uint32_t message;
    bool full;
};

using support::PrintTo;

class TrayRecordTest : public MainWindowTrayTest,
                       public ::testing::WithParamInterface<RecordCase> {};

TEST_P(TrayRecordTest, HoldsTheFieldsOfItsCallAndNothingElse) {
    const RecordCase& c = GetParam();
    Frmmain& window = LoadMain();
    const Hicon hIcon = SendMessageA(hWnd, WM_GETICON, ICON_SMALL, 0);
    ASSERT_NE(hIcon, 0);
    c.act(window);
    ASSERT_FALSE(tray.calls.empty());
    const RecordingTray::Call& call = tray.calls.back();
    EXPECT_EQ(call.message, c.message);
    const QByteArray actual = bytesOf(call.data);
    const QByteArray expected = expectedRecord(hWnd, hIcon, c.full);
    EXPECT_EQ(firstDifference(actual, expected), -1)
        << "first wrong byte at offset " << firstDifference(actual, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, TrayRecordTest,
    ::testing::Values(RecordCase{"add", [](Frmmain&) {}, NIM_ADD, true},
                      RecordCase{"modify", [](Frmmain& w) { w.UpdateTips(); }, NIM_MODIFY, true},
                      RecordCase{"readd", [](Frmmain& w) { w.SysTrayAdd(); }, NIM_ADD, true},
                      RecordCase{"delete", [](Frmmain& w) { w.Unload(); }, NIM_DELETE, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTrayTest, IconIsTheProgramsSmallPicture) {
    LoadMain();
    ASSERT_EQ(tray.calls.size(), 1u);
    const QIcon icon = IconFromHandle(tray.calls.front().data.hIcon);
    const auto format = QImage::Format_ARGB32_Premultiplied;
    const QImage shown = icon.pixmap(16).toImage().convertToFormat(format);
    const QImage drawn = QImage(":/images/app/marlquin-16.png").convertToFormat(format);
    ASSERT_EQ(drawn.size(), QSize(16, 16));
    EXPECT_EQ(shown, drawn);
}

enum class Start { Shown, MinimisedHidden, Hidden, MinimisedShown };
enum class PassedOn { Nothing, TheMessage, IconQuery };
constexpr std::int32_t kTaskbarCreated = -1;  // stands for the registered number

struct RouteCase {
    const char* name;
    Start start;
    std::int32_t uMsg, wParam, lParam;
    bool visible, minimised;
    size_t popups, adds;
    PassedOn passedOn;
};

class TrayRoutingTest : public MainWindowTrayTest,
                        public ::testing::WithParamInterface<RouteCase> {};

TEST_P(TrayRoutingTest, MessageHasItsEffectOnly) {
    const RouteCase& c = GetParam();
    Frmmain& window = LoadMain();
    switch (c.start) {
        case Start::Shown:
            break;
        case Start::MinimisedHidden:
            window.Command1_Click();
            break;
        case Start::Hidden:
            window.hide();
            break;
        case Start::MinimisedShown:
            window.setWindowState(Qt::WindowMinimized);
            break;
    }
    tray.calls.clear();
    passedOn.clear();
    const std::int32_t uMsg = c.uMsg == kTaskbarCreated ? ImgBlt::MsgTaskbarCreated : c.uMsg;

    EXPECT_EQ(Send(uMsg, c.wParam, c.lParam), 0);

    EXPECT_EQ(window.isVisible(), c.visible);
    EXPECT_EQ(window.windowState().testFlag(Qt::WindowMinimized), c.minimised);
    EXPECT_EQ(popups.size(), c.popups);
    EXPECT_EQ(tray.calls.size(), c.adds);
    for (const auto& call : tray.calls) EXPECT_EQ(call.message, NIM_ADD);
    std::vector<Seen> expected;
    if (c.passedOn == PassedOn::TheMessage) expected = {{hWnd, uMsg, c.wParam, c.lParam}};
    if (c.passedOn == PassedOn::IconQuery) expected = {{hWnd, WM_GETICON, ICON_SMALL, 0}};
    EXPECT_EQ(passedOn, expected);
}

const RouteCase kRoutes[] = {
    {"DoubleClickRestoresMinimisedHidden", Start::MinimisedHidden, 0x500, 0, 0x203, true, false, 0,
     0, PassedOn::Nothing},
    {"DoubleClickShowsHidden", Start::Hidden, 0x500, 0, 0x203, true, false, 0, 0,
     PassedOn::Nothing},
    {"DoubleClickRestoresMinimisedShown", Start::MinimisedShown, 0x500, 0, 0x203, true, false, 0, 0,
     PassedOn::Nothing},
    {"DoubleClickLeavesShownWindow", Start::Shown, 0x500, 0, 0x203, true, false, 0, 0,
     PassedOn::Nothing},
    {"LeftDownDoesNothing", Start::MinimisedHidden, 0x500, 0, 0x201, false, true, 0, 0,
     PassedOn::Nothing},
    {"LeftUpDoesNothing", Start::MinimisedHidden, 0x500, 0, 0x202, false, true, 0, 0,
     PassedOn::Nothing},
    {"RightDownDoesNothing", Start::MinimisedHidden, 0x500, 0, 0x204, false, true, 0, 0,
     PassedOn::Nothing},
    {"MouseMoveDoesNothing", Start::Hidden, 0x500, 0, 0x200, false, false, 0, 0, PassedOn::Nothing},
    {"BalloonShowDoesNothing", Start::Hidden, 0x500, 0, 0x402, false, false, 0, 0,
     PassedOn::Nothing},
    {"BalloonClickDoesNothing", Start::Hidden, 0x500, 0, 0x405, false, false, 0, 0,
     PassedOn::Nothing},
    {"DoubleClickOfOtherIconDoesNothing", Start::MinimisedHidden, 0x500, 1, 0x203, false, true, 0,
     0, PassedOn::Nothing},
    {"RightUpOfOtherIconDoesNothing", Start::Shown, 0x500, -1, 0x205, true, false, 0, 0,
     PassedOn::Nothing},
    {"RightUpPopsTheMenuOnly", Start::MinimisedHidden, 0x500, 0, 0x205, false, true, 1, 0,
     PassedOn::Nothing},
    {"TaskbarCreatedAddsTheIconAgain", Start::MinimisedHidden, kTaskbarCreated, 0, 0, false, true,
     0, 1, PassedOn::IconQuery},
    {"OtherMessageGoesToThePreviousProcedure", Start::Shown, 0x1234, 5, 6, true, false, 0, 0,
     PassedOn::TheMessage},
    {"DoubleClickAsOtherMessageIsPassedOn", Start::Hidden, 0x501, 0, 0x203, false, false, 0, 0,
     PassedOn::TheMessage},
};

INSTANTIATE_TEST_SUITE_P(Messages, TrayRoutingTest, ::testing::ValuesIn(kRoutes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTrayTest, PassedOnMessageAnswersWithThePreviousProceduresResult) {
    LoadMain();
    const Hicon small = IconHandle(main->windowIcon(), 16);
    EXPECT_EQ(Send(WM_GETICON, ICON_SMALL, 0), small);
}

QAction* item(QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions())
        if (action->text() == text) return action;
    return nullptr;
}

TEST_F(MainWindowTrayTest, MenuHasItsItemsAndItsFormStaysLoadedHidden) {
    LoadMain();
    Send(0x500, 0, 0x205);
    Send(0x500, 0, 0x205);
    ASSERT_EQ(popups.size(), 2u);
    EXPECT_EQ(popups[0],
              (QStringList{QStringLiteral("关于软件(&A)"), "", QStringLiteral("退出软件(&E)")}));
    const auto& loaded = platform::forms::Loaded();
    ASSERT_EQ(loaded.size(), 2) << "the main window and one menu form";
    EXPECT_NE(qobject_cast<Frmmenu*>(loaded[1]), nullptr);
    EXPECT_FALSE(loaded[1]->isVisible());
    EXPECT_TRUE(platform::forms::Default<Frmmenu>().LineA->isSeparator());
    EXPECT_EQ(quits, 0);
}

TEST_F(MainWindowTrayTest, AboutOpensTheHomePage) {
    LoadMain();
    onPopup = [](QMenu& menu) { item(menu, QStringLiteral("关于软件(&A)"))->trigger(); };
    Send(0x500, 0, 0x205);
    EXPECT_EQ(opened, QStringList{platform::config::HomePage()});
    EXPECT_EQ(platform::forms::Count(), 2);
    EXPECT_EQ(quits, 0);
}

TEST_F(MainWindowTrayTest, ExitUnloadsEverythingAndRemovesTheIcon) {
    LoadMain();
    onPopup = [](QMenu& menu) { item(menu, QStringLiteral("退出软件(&E)"))->trigger(); };
    int leftAfterMain = -1;
    QObject::connect(main, &Frmmain::unloaded, [&] { leftAfterMain = platform::forms::Count(); });
    EXPECT_EQ(Send(0x500, 0, 0x205), 0);
    EXPECT_EQ(leftAfterMain, 0) << "the menu form, loaded last, goes first";
    EXPECT_EQ(platform::forms::Count(), 0);
    EXPECT_EQ(quits, 1);
    ASSERT_EQ(tray.calls.size(), 2u);
    EXPECT_EQ(tray.calls.back().message, NIM_DELETE);
    EXPECT_EQ(tray.calls.back().data.hWnd, hWnd);
    EXPECT_EQ(ImgBlt::OldWndProc, nullptr);
    ASSERT_NE(ProcedureSlot(hWnd), nullptr);
    EXPECT_EQ(*ProcedureSlot(hWnd), &MainWindowTrayTest::Previous);
    Settle();
    EXPECT_EQ(WidgetOf(hWnd), nullptr);
}

TEST_F(MainWindowTrayTest, HookingAgainKeepsOneSubclassing) {
    LoadMain();
    ImgBlt::Hook(hWnd);
    EXPECT_EQ(ImgBlt::OldWndProc, &MainWindowTrayTest::Previous);
    EXPECT_EQ(*ProcedureSlot(hWnd), &ImgBlt::WindowProc);
    passedOn.clear();
    Send(0x1234, 0, 0);
    EXPECT_EQ(passedOn.size(), 1u);
}

TEST_F(MainWindowTrayTest, UnloadPutsThePreviousProcedureBackOnce) {
    LoadMain();
    main->Unload();
    EXPECT_EQ(*ProcedureSlot(hWnd), &MainWindowTrayTest::Previous);
    EXPECT_EQ(ImgBlt::OldWndProc, nullptr);
    ImgBlt::Unhook(hWnd);
    EXPECT_EQ(*ProcedureSlot(hWnd), &MainWindowTrayTest::Previous);
}

TEST_F(MainWindowTrayTest, MainWindowLoadedAgainIsSubclassedAgain) {
    LoadMain();
    const Hwnd first = hWnd;
    main->Unload();  // log-out
    Settle();
    Frmmain& again = LoadMain();
    ASSERT_NE(hWnd, first);
    EXPECT_EQ(*ProcedureSlot(hWnd), &ImgBlt::WindowProc);
    EXPECT_EQ(ImgBlt::OldWndProc, &MainWindowTrayTest::Previous);
    ASSERT_EQ(tray.calls.size(), 3u);
    const std::pair<std::uint32_t, Hwnd> calls[] = {
        {NIM_ADD, first}, {NIM_DELETE, first}, {NIM_ADD, hWnd}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(tray.calls[i].message, calls[i].first) << i;
        EXPECT_EQ(tray.calls[i].data.hWnd, calls[i].second) << i;
    }
    again.Command1_Click();
    EXPECT_EQ(SendMessageA(first, 0x500, 0, 0x203), 0);
    EXPECT_FALSE(again.isVisible());
    Send(0x500, 0, 0x203);
    EXPECT_TRUE(again.isVisible());
    Send(0x500, 0, 0x205);
    EXPECT_EQ(popups.size(), 1u);
}

}  // namespace
