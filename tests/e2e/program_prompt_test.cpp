#include <gtest/gtest.h>

#include "desktop_fixture.h"
#include "program_fixture.h"

namespace {

using namespace e2e;

// The members-only prompt is the one window with a frame of the window
// manager's; it is the frame that is centred, not the client area in it.
TEST(ProgramPrompt, OpensWithItsFrameCentredOnTheScreenAndStaysWithTheMainWindow) {
    Program program;
    ASSERT_TRUE(program.StartServers()) << qPrintable(program.ServersError());
    ASSERT_TRUE(program.Start());
    const WId login = program.WaitForWindow(kLoginTitle);
    ASSERT_NE(login, 0u);
    ClickIn(login, kLoginGuest);
    const WId main = program.WaitForWindow(kMainTitle);
    ASSERT_NE(main, 0u);

    ClickIn(main, kMainFundFlows);
    const WId prompt = program.WaitForWindow(QStringLiteral("提示"));
    ASSERT_NE(prompt, 0u) << "a guest got no prompt";
    const QRect screen = WorkArea();
    QRect frame;
    EXPECT_TRUE(desktop::WaitUntil(
        [&] {
            frame = FrameRect(prompt);
            return frame != desktop::ScreenRect(prompt) &&
                   (frame.center() - screen.center()).manhattanLength() <= 2;
        },
        3000))
        << "frame at " << frame.x() << "," << frame.y() << " size " << frame.width() << "x"
        << frame.height() << " on a screen of " << screen.width() << "x" << screen.height();

    // A dialog of the main window: the window manager keeps the two together.
    EXPECT_TRUE(WindowTypes(prompt).contains("_NET_WM_WINDOW_TYPE_DIALOG"));
    const QString transientFor =
        desktop::Run("xprop", {"-id", QString::number(prompt), "WM_TRANSIENT_FOR"});
    EXPECT_TRUE(transientFor.trimmed().endsWith(QStringLiteral(" 0x") + QString::number(main, 16)))
        << qPrintable(transientFor);
    // The window manager may refuse to iconify the prompt; if it does not, the
    // main window must go with it (openbox iconifies the whole family).
    desktop::Run("xdotool", {"windowminimize", QString::number(prompt)});
    if (desktop::WaitUntil([&] { return !desktop::IsViewable(prompt); }, 3000)) {
        EXPECT_TRUE(desktop::WaitUntil([&] { return !desktop::IsViewable(main); }))
            << "the prompt was iconified without the main window it blocks";
        desktop::Run("xdotool", {"windowactivate", QString::number(main)});
        ASSERT_TRUE(desktop::WaitUntil(
            [&] { return desktop::IsViewable(main) && desktop::IsViewable(prompt); }));
    }

    PressKey(prompt, QStringLiteral("Escape"));
    ASSERT_TRUE(
        desktop::WaitUntil([&] { return program.Windows(QStringLiteral("提示")).isEmpty(); }));
    ClickIn(main, kMainClose);
    EXPECT_TRUE(program.WaitForEnd().Clean());
}

}  // namespace
