#include <QTimer>

#include "app/Module/Globals.h"
#include "login_fixture.h"
#include "platform/forms/controls/check_box.h"
#include "platform/forms/controls/text_box.h"
#include "support/row_print.h"

namespace {

constexpr int kPatience = 3000;  // well past the timer's second

struct AutoCase {
    const char* name;
    const char* config;
    std::vector<platform::net::HttpAnswer> answers;
    int requests;
    QString box;               // empty: the main window opens
    bool clickAtOnce = false;  // the member button is clicked before the second is up
};

using support::PrintTo;

const AutoCase kAutoCases[] = {
    {"Remembered",
     "[Config]\nRemPwd=1\nAutoLogin=1\n[Info]\nUserName=alice\nPassWord=secret\n",
     {Body("OK")},
     1,
     {}},
    {"NothingRemembered",
     "[Config]\nRemPwd=0\nAutoLogin=1\n[Info]\nUserName=alice\nPassWord=x\n",
     {},
     0,
     QStringLiteral("请输入用户名！")},
    {"Rejected",
     "[Config]\nRemPwd=1\nAutoLogin=1\n[Info]\nUserName=alice\nPassWord=old\n",
     {Body("Err"), Body("Err")},
     2,
     QStringLiteral("用户名或密码错误！")},
    {"ClickedBeforeTheSecond",
     "[Config]\nRemPwd=1\nAutoLogin=1\n[Info]\nUserName=alice\nPassWord=old\n",
     {Body("Err"), Body("Err")},
     2,
     QStringLiteral("用户名或密码错误！"),
     true},
};

class AutoLogin : public LoginTest, public ::testing::WithParamInterface<AutoCase> {};

TEST_P(AutoLogin, RunsOnceASecondAfterLoading) {
    const AutoCase& c = GetParam();
    WriteConfig(QString::fromUtf8(c.config));
    Answer(c.answers);
    FrmLogin& form = Open();
    EXPECT_TRUE(requests_.isEmpty());
    bool timerPending = false;  // when the first request went out
    if (c.clickAtOnce) {
        // The click stops the timer; a timer firing inside the login's wait
        // starts no second login either.
        duringRequest_ = [&] {
            if (requests_.size() > 1) return;
            timerPending = form.Timer1->isActive();
            QMetaObject::invokeMethod(form.Timer1, "timeout");
        };
        Click(form.XPCommand2);
    }
    ASSERT_TRUE(WaitUntil([&] { return !boxes_.isEmpty() || MainWindow() != nullptr; }, kPatience));
    EXPECT_EQ(requests_.size(), c.requests);
    EXPECT_FALSE(timerPending);
    if (c.box.isEmpty()) {
        EXPECT_TRUE(boxes_.isEmpty());
        EXPECT_EQ(CurrentUser, QStringLiteral("alice"));
        return;
    }
    ASSERT_EQ(boxes_.size(), 1);
    EXPECT_EQ(boxes_[0].prompt, c.box);
    // Tried once per load: the timer stopped itself before the login ran.
    EXPECT_FALSE(form.Timer1->isActive());
    EXPECT_FALSE(form.IsUnloaded());
}

INSTANTIATE_TEST_SUITE_P(Config, AutoLogin, ::testing::ValuesIn(kAutoCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Leaving the window before the second is up ends the pending auto-login.
TEST_F(LoginTest, UnloadStopsThePendingAutoLogin) {
    WriteConfig("[Config]\nRemPwd=1\nAutoLogin=1\n[Info]\nUserName=alice\nPassWord=secret\n");
    FrmLogin& form = Open();
    QTimer* timer = form.Timer1;
    ASSERT_TRUE(timer->isActive());
    form.Unload();
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(WaitUntil([&] { return !requests_.isEmpty(); }, 1500));
}

}  // namespace
