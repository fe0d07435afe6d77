#include <gtest/gtest.h>

#include "desktop_fixture.h"
#include "program_fixture.h"

namespace {

using namespace e2e;

// The window manager maps a new window while the program goes on; whatever
// the program does to its window right after showing it must not leave it
// unmapped, so the start is tried many times.
TEST(ProgramStart, TheLoginWindowIsMappedVisibleAndOnScreenAtEveryStart) {
    constexpr int kStarts = 20;
    const QRect screen = WorkArea();
    ASSERT_TRUE(screen.isValid());
    for (int start = 1; start <= kStarts; ++start) {
        Program program;
        ASSERT_TRUE(program.Start());
        const WId login = program.WaitForWindow(kLoginTitle);
        EXPECT_NE(login, 0u) << "start " << start << ": the login window was not mapped ("
                             << program.Windows(kLoginTitle).size() << " unmapped)";
        if (login == 0) continue;
        // The window manager shows a window's frame before it lists the
        // window for the taskbar: the entry is waited for, as a user would.
        EXPECT_TRUE(desktop::WaitUntil([&] { return IsManaged(login); }, 5000))
            << "start " << start << ": no taskbar entry";
        const QRect where = desktop::ScreenRect(login);
        EXPECT_TRUE(screen.contains(where))
            << "start " << start << ": off the screen at " << where.x() << "," << where.y();
        ClickIn(login, kLoginClose);
        const Ending ending = program.WaitForEnd();
        EXPECT_TRUE(ending.Clean()) << "start " << start << ": " << ending.Describe();
    }
}

}  // namespace
