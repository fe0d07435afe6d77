#include <gtest/gtest.h>

#include "desktop_fixture.h"
#include "program_fixture.h"
#include "status_notifier_fixture.h"

namespace {

using namespace e2e;
using desktop::WaitUntil;

// Starts the program as a guest; its main window, or 0.
WId mainWindowOfAGuest(Program& program) {
    if (!program.StartServers() || !program.Start()) return 0;
    const WId login = program.WaitForWindow(kLoginTitle);
    if (login == 0) return 0;
    ClickIn(login, kLoginGuest);
    return program.WaitForWindow(kMainTitle);
}

bool iconified(WId window) {
    return desktop::Run("xprop", {"-id", QString::number(window), "WM_STATE"}).contains("Iconic");
}

void expectCleanEnd(Program& program) {
    const Ending ending = program.WaitForEnd();
    EXPECT_TRUE(ending.Clean()) << ending.Describe() << "\n" << qPrintable(program.Errors());
    EXPECT_EQ(program.QtWarnings(), QStringList());
}

TEST(ProgramTray, WithoutATrayHostTheMinimiseButtonKeepsTheWindowOnTheTaskbar) {
    Program program;
    const WId main = mainWindowOfAGuest(program);
    ASSERT_NE(main, 0u);

    ClickIn(main, kMainMinimise);
    EXPECT_TRUE(WaitUntil([&] { return iconified(main) && IsManaged(main); }))
        << "the window is not on the taskbar, minimised";
    desktop::Run("xdotool", {"windowactivate", QString::number(main)});
    ASSERT_TRUE(WaitUntil([&] { return desktop::IsViewable(main); })) << "it did not come back";

    ClickIn(main, kMainClose);
    expectCleanEnd(program);
}

TEST(ProgramTray, StatusNotifierHostRestoresOnActivationAndOpensTheMenu) {
    desktop::StatusNotifierHost host;
    ASSERT_TRUE(host.Start()) << "no session bus with a watcher";
    Program program;
    program.SetEnvironment(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), host.Address());
    const WId main = mainWindowOfAGuest(program);
    ASSERT_NE(main, 0u);
    ASSERT_TRUE(WaitUntil([&] { return !host.Items().isEmpty(); })) << "no item registered";

    ClickIn(main, kMainMinimise);
    ASSERT_TRUE(WaitUntil([&] { return !desktop::IsViewable(main) && !IsManaged(main); }))
        << "the window did not hide in the tray";
    ASSERT_TRUE(host.Call(QStringLiteral("Activate")));
    EXPECT_TRUE(WaitUntil([&] { return desktop::IsViewable(main); }))
        << "the activation did not bring the window back";

    const qsizetype windows = program.ViewableWindows().size();
    ASSERT_TRUE(host.Call(QStringLiteral("ContextMenu")));
    ASSERT_TRUE(WaitUntil([&] { return program.ViewableWindows().size() > windows; })) << "no menu";
    desktop::Run("xdotool", {"key", "e"});  // the exit item's access key
    expectCleanEnd(program);
}

}  // namespace
