#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <vector>

#include "app/Module/Globals.h"
#include "app/Module/Module.h"
#include "login_fixture.h"
#include "platform/forms/controls/check_box.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/text_box.h"
#include "support/row_print.h"

namespace {

const QString kWrong = QStringLiteral("用户名或密码错误！");
const QString kNotActive = QStringLiteral("该帐户还未激活,请登陆注册邮箱激活帐户！");
const QString kUnreachable = QStringLiteral("无法连接会员服务器,请检查网络后重试！");
const QString kBusy = QStringLiteral("正在登陆...");

// What Config.ini holds after the login; null: the key was not written.
struct Written {
    const char* remPwd;
    const char* userName;
    const char* passWord;
    const char* autoLogin;
};
constexpr Written kNothing{nullptr, nullptr, nullptr, nullptr};

struct MemberCase {
    const char* name;
    bool remember;   // "记住密码" ticked before the click
    bool autoLogin;  // "自动登录" ticked before the click
    std::vector<platform::net::HttpAnswer> answers;
    int requests;
    QString box;  // the information box shown, empty for none
    Written written;
};

using support::PrintTo;

const MemberCase kMemberCases[] = {
    {"OkForgets", false, false, {Body("OK")}, 1, {}, {"0", "", "", "0"}},
    {"OkRemembers", true, false, {Body("OK")}, 1, {}, {"1", "张三 &x", "p#s s", "0"}},
    {"OkRemembersAndAutoLogs", true, true, {Body("OK")}, 1, {}, {"1", "张三 &x", "p#s s", "1"}},
    // Unticking "记住密码" disables "自动登录" but keeps its tick, which still counts.
    {"AutoLoginWithoutRemember", false, true, {Body("OK")}, 1, {}, {"0", "", "", "1"}},
    {"WrongTwice", true, true, {Body("Err1"), Body("Err1")}, 2, kWrong, kNothing},
    {"NotActivated", false, false, {Body("Err1"), Body("Err2")}, 2, kNotActive, kNothing},
    {"OnlySecondAnswerCounts", false, false, {Body("Err2"), Body("x")}, 2, kWrong, kNothing},
    {"SecondOkIsNoSuccess", false, false, {Body("Err"), Body("OK")}, 2, kWrong, kNothing},
    {"OkWithLineBreak", false, false, {Body("OK\r\n"), Body("OK\n")}, 2, kWrong, kNothing},
    {"LowerCaseOk", false, false, {Body("ok"), Body("ok")}, 2, kWrong, kNothing},
    {"Err2WithBlank", false, false, {Body("Err"), Body("Err2 ")}, 2, kWrong, kNothing},
    {"EmptyBodies", false, false, {Body(""), Body("")}, 2, kWrong, kNothing},
    {"FirstUnanswered", true, false, {NoAnswer()}, 1, kUnreachable, kNothing},
    {"SecondUnanswered", false, false, {Body("Err"), NoAnswer()}, 2, kUnreachable, kNothing},
};

class MemberLogin : public LoginTest, public ::testing::WithParamInterface<MemberCase> {};

TEST_P(MemberLogin, SendsAnswersAndWrites) {
    const MemberCase& c = GetParam();
    FrmLogin& form = Open();
    form.Text1->setText(QStringLiteral("张三 &x"));
    form.Text2->setText(QStringLiteral("p#s s"));
    form.Check1->SetValue(1);
    form.Check2->SetValue(c.autoLogin ? 1 : 0);
    form.Check1->SetValue(c.remember ? 1 : 0);
    CurrentUser = QStringLiteral("before");
    Answer(c.answers);

    Click(form.XPCommand2);

    ASSERT_EQ(requests_.size(), c.requests);
    for (const SentRequest& request : requests_) {
        EXPECT_EQ(request.url, requests_.front().url);
        EXPECT_TRUE(request.busy);
        EXPECT_EQ(request.status, kBusy);
    }
    const bool entered = c.box.isEmpty();
    if (entered) {
        EXPECT_TRUE(boxes_.isEmpty());
        EXPECT_NE(MainWindow(), nullptr);
        EXPECT_TRUE(form.IsUnloaded());
        EXPECT_EQ(CurrentUser, QStringLiteral("张三 &x"));
        EXPECT_EQ(Ini("Config", "RemPwd"), QString::fromUtf8(c.written.remPwd));
        EXPECT_EQ(Ini("Info", "UserName"), QString::fromUtf8(c.written.userName));
        EXPECT_EQ(Ini("Info", "PassWord"), QString::fromUtf8(c.written.passWord));
        EXPECT_EQ(Ini("Config", "AutoLogin"), QString::fromUtf8(c.written.autoLogin));
        return;
    }
    ASSERT_EQ(boxes_.size(), 1);
    EXPECT_EQ(boxes_[0].prompt, c.box);
    EXPECT_EQ(boxes_[0].style, 64);
    EXPECT_EQ(boxes_[0].title, QStringLiteral("提示"));
    // The box comes while the window still shows the running request.
    EXPECT_EQ(boxes_[0].status, kBusy);
    EXPECT_FALSE(boxes_[0].idle);
    EXPECT_EQ(MainWindow(), nullptr);
    EXPECT_FALSE(form.IsUnloaded());
    EXPECT_FALSE(ConfigExists());
    EXPECT_EQ(CurrentUser, QStringLiteral("before"));
    EXPECT_TRUE(form.Text1->isEnabled() && form.Text2->isEnabled());
    EXPECT_TRUE(form.XPCommand1->isEnabled() && form.XPCommand2->isEnabled());
    EXPECT_TRUE(form.Label6->text().isEmpty());
    EXPECT_EQ(form.Text1->text(), QStringLiteral("张三 &x"));
    EXPECT_EQ(form.Text2->text(), QStringLiteral("p#s s"));
    EXPECT_EQ(form.Check1->Value(), c.remember ? 1 : 0);
    EXPECT_EQ(form.Check2->Value(), c.autoLogin ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, MemberLogin, ::testing::ValuesIn(kMemberCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct MissingInput {
    const char* name;
    QString user, password;
    QString box;
    bool focusOnName;
};

const MissingInput kMissingInput[] = {
    {"NoName", "", "secret", QStringLiteral("请输入用户名！"), true},
    {"NoNameNoPassword", "", "", QStringLiteral("请输入用户名！"), true},
    {"NoPassword", "alice", "", QStringLiteral("请输入密码！"), false},
};

class MemberLoginInput : public LoginTest, public ::testing::WithParamInterface<MissingInput> {};

TEST_P(MemberLoginInput, AsksWithoutRequest) {
    const MissingInput& c = GetParam();
    FrmLogin& form = Open();
    form.Text1->setText(c.user);
    form.Text2->setText(c.password);
    form.Check1->setFocus();
    Click(form.XPCommand2);
    EXPECT_TRUE(requests_.isEmpty());
    ASSERT_EQ(boxes_.size(), 1);
    EXPECT_EQ(boxes_[0].prompt, c.box);
    EXPECT_EQ(boxes_[0].style, 64);
    EXPECT_TRUE(boxes_[0].idle);
    EXPECT_TRUE(boxes_[0].status.isEmpty());
    QWidget* expected = c.focusOnName ? static_cast<QWidget*>(form.Text1) : form.Text2;
    EXPECT_EQ(form.focusWidget(), expected);
}

INSTANTIATE_TEST_SUITE_P(Input, MemberLoginInput, ::testing::ValuesIn(kMissingInput),
                         [](const auto& info) { return std::string(info.param.name); });

// Neither box is trimmed: blanks are a name and a password.
TEST_F(LoginTest, BlankNameAndPasswordAreSent) {
    FrmLogin& form = Open();
    form.Text1->setText(QStringLiteral("  "));
    form.Text2->setText(QStringLiteral(" "));
    Answer({Body("OK")});
    Click(form.XPCommand2);
    ASSERT_EQ(requests_.size(), 1);
    EXPECT_EQ(requests_[0].url.toEncoded(),
              QByteArray(kLoginMemberUrl) + "login.asp?u=%20%20&p=%20");
    EXPECT_EQ(CurrentUser, QStringLiteral("  "));
}

// ---- What is remembered comes back as it was typed, or is not remembered ----

const QString kTooLong = QStringLiteral("用户名或密码过长,无法记住！");

struct RememberCase {
    const char* name;
    QString user, password;
    bool remembered;
};

const RememberCase kRememberCases[] = {
    {"BlanksAndQuotesInPassword", "alice", QStringLiteral(" \"pw\" "), true},
    {"QuotedName", QStringLiteral("\"bob\""), "x", true},
    {"BlanksAroundName", QStringLiteral("  carol\t"), "x", true},
    {"LongestPassword", "dave", QString(127, u'密'), true},
    {"PasswordOverTheCut", "erin", QString(255, u'p'), false},
    {"NameOverTheCut", QString(128, u'张'), "x", false},
};

class RememberLogin : public LoginTest, public ::testing::WithParamInterface<RememberCase> {};

TEST_P(RememberLogin, ComesBackAsTypedOrIsNotRemembered) {
    const RememberCase& c = GetParam();
    FrmLogin& form = Open();
    form.Text1->setText(c.user);
    form.Text2->setText(c.password);
    form.Check1->SetValue(1);
    form.Check2->SetValue(1);
    Answer({Body("OK")});
    Click(form.XPCommand2);

    ASSERT_NE(MainWindow(), nullptr);
    EXPECT_EQ(CurrentUser, c.user);
    ASSERT_EQ(boxes_.size(), c.remembered ? 0 : 1);
    if (!c.remembered) {
        EXPECT_EQ(boxes_[0].prompt, kTooLong);
        EXPECT_EQ(boxes_[0].style, 64);
        EXPECT_EQ(boxes_[0].title, QStringLiteral("提示"));
    }
    EXPECT_EQ(Ini("Config", "RemPwd"), c.remembered ? "1" : "0");
    EXPECT_EQ(Ini("Config", "AutoLogin"), c.remembered ? "1" : "0");
    // The next start fills the boxes with exactly what was typed, or leaves them
    // empty and does not log in by itself.
    Module::UnloadAllForms();
    Flush();
    FrmLogin& again = Open();
    EXPECT_EQ(again.Text1->text(), c.remembered ? c.user : QString());
    EXPECT_EQ(again.Text2->text(), c.remembered ? c.password : QString());
    EXPECT_EQ(again.Timer1->isActive(), c.remembered);
}

INSTANTIATE_TEST_SUITE_P(Values, RememberLogin, ::testing::ValuesIn(kRememberCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A name pasted over two lines is sent and remembered as its first line.
TEST_F(LoginTest, PastedTwoLineNameKeepsItsFirstLine) {
    FrmLogin& form = Open();
    QGuiApplication::clipboard()->setText(QStringLiteral("line1\nline2"));
    form.Text1->setFocus();
    TypeKey(form.Text1, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
    form.Text2->setText("secret");
    form.Check1->SetValue(1);
    Answer({Body("OK")});
    Click(form.XPCommand2);

    ASSERT_EQ(requests_.size(), 1);
    EXPECT_EQ(requests_[0].url.toEncoded(),
              QByteArray(kLoginMemberUrl) + "login.asp?u=line1&p=secret");
    EXPECT_TRUE(boxes_.isEmpty());
    EXPECT_EQ(Ini("Config", "RemPwd"), "1");
    EXPECT_EQ(Ini("Info", "UserName"), "line1");
    EXPECT_EQ(Ini("Info", "PassWord"), "secret");
}

// The controls are disabled and enabled again in their fixed order.
TEST_F(LoginTest, DisablesAndEnablesInOrder) {
    FrmLogin& form = Open();
    form.Text1->setText("alice");
    form.Text2->setText("secret");
    QStringList changes;
    struct Recorder : QObject {
        QStringList* changes;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::EnabledChange) {
                const auto* widget = static_cast<QWidget*>(watched);
                *changes << watched->objectName() + (widget->isEnabled() ? "+" : "-");
            }
            return false;
        }
    } recorder;
    recorder.changes = &changes;
    for (QWidget* w : {static_cast<QWidget*>(form.Text1), static_cast<QWidget*>(form.Text2),
                       form.XPCommand1, form.XPCommand2})
        w->installEventFilter(&recorder);
    Answer({Body("Err"), Body("Err")});
    Click(form.XPCommand2);
    EXPECT_EQ(changes, QStringList({"Text1-", "Text2-", "XPCommand1-", "XPCommand2-", "Text1+",
                                    "Text2+", "XPCommand1+", "XPCommand2+"}));
}

// The window is not closed under its running request; afterwards it is.
TEST_F(LoginTest, CloseWaitsForTheRequest) {
    FrmLogin& form = Open();
    form.Text1->setText("alice");
    form.Text2->setText("secret");
    duringRequest_ = [&] { form.close(); };
    Answer({Body("Err"), Body("Err")});
    Click(form.XPCommand2);
    EXPECT_FALSE(form.IsUnloaded());
    EXPECT_EQ(requests_.size(), 2);
    EXPECT_EQ(boxes_.size(), 1);
    form.close();
    EXPECT_TRUE(form.IsUnloaded());
}

}  // namespace
