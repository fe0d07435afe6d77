#include <gtest/gtest.h>

#include <QDateTime>

#include "desktop_fixture.h"
#include "program_fixture.h"

namespace {

using namespace e2e;

// Auto-login with a wrong password of the account whose every answer takes
// three seconds; the member button is clicked at once, so that the
// auto-login's second runs out inside the login the click started. `tested`
// is false when the auto-login still came first and the run proved nothing.
void clickBeforeTheAutoLogin(bool& tested) {
    Program program;
    ASSERT_TRUE(program.StartServers()) << qPrintable(program.ServersError());
    ASSERT_TRUE(program.PutFile(QStringLiteral("Config.ini"),
                                "[Config]\r\nRemPwd=1\r\nAutoLogin=1\r\n"
                                "[Info]\r\nUserName=slow\r\nPassWord=wrong\r\n"));
    ASSERT_TRUE(program.Start());
    const WId login = program.WaitForWindow(kLoginTitle);
    ASSERT_NE(login, 0u);
    // In one go: ClickIn pauses as a user would before it clicks.
    const QPoint member = desktop::ScreenRect(login).topLeft() + kLoginMember;
    const qint64 clicked = QDateTime::currentMSecsSinceEpoch();
    desktop::Run("xdotool", {"mousemove", QString::number(member.x()), QString::number(member.y()),
                             "click", "1"});

    const WId box = program.WaitForWindow(QStringLiteral("提示"));
    ASSERT_NE(box, 0u) << "no box";
    const QList<qint64> requests = program.LoginRequests();
    ASSERT_FALSE(requests.isEmpty());
    tested = requests.front() >= clicked;
    EXPECT_EQ(requests.size(), 2) << "the login and its one retry";
    EXPECT_EQ(program.Windows(QStringLiteral("提示")).size(), 1);

    PressKey(box, QStringLiteral("Return"));
    ASSERT_TRUE(
        desktop::WaitUntil([&] { return program.Windows(QStringLiteral("提示")).isEmpty(); }));
    ClickIn(login, kLoginClose);
    EXPECT_TRUE(program.WaitForEnd().Clean());
    EXPECT_EQ(program.LoginRequests().size(), 2);
}

TEST(ProgramLogin, AClickBeforeTheAutoLoginSendsOneLoginWithOneBox) {
    bool tested = false;
    // A loaded machine may show the window too late for the click.
    for (int run = 1; run <= 3 && !tested && !HasFailure(); ++run) clickBeforeTheAutoLogin(tested);
    EXPECT_TRUE(tested) << "the auto-login came before the click in every run";
}

}  // namespace
