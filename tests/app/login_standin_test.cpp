#include "app/Module/Globals.h"
#include "login_fixture.h"
#include "platform/forms/controls/check_box.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/text_box.h"
#include "standin_fixture.h"
#include "support/row_print.h"

namespace {

// The login window against the stand-in member server, started once for all.
class StandinLogin : public LoginTest {
protected:
    static void SetUpTestSuite() {
        standin_ = new Standin;
        if (!standin_->Start()) error_ = standin_->Error();
    }
    static void TearDownTestSuite() {
        delete standin_;
        standin_ = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(error_.isEmpty()) << error_.toStdString();
        LoginTest::SetUp();
        qputenv("MARLQUIN_MEMBER_URL", standin_->MemberUrl().toUtf8());
        UseNetwork();
        standin_->ClearRequests();
    }
    // The login.asp requests the stand-in served.
    static QList<LoggedRequest> Logins() {
        QList<LoggedRequest> logins;
        for (const LoggedRequest& request : standin_->Requests())
            if (request.Path() == QLatin1String("/velmora/login.asp")) logins << request;
        return logins;
    }

    static Standin* standin_;
    static QString error_;
};

Standin* StandinLogin::standin_ = nullptr;
QString StandinLogin::error_;

struct ServerCase {
    const char* name;
    QString user, password;
    int requests;
    QString box;  // empty: logged in
};

using support::PrintTo;

const ServerCase kServerCases[] = {
    {"Active", "demo", "demo123", 1, {}},
    {"WrongPassword", "demo", "demo124", 2, QStringLiteral("用户名或密码错误！")},
    {"UnknownUser", "nobody", "demo123", 2, QStringLiteral("用户名或密码错误！")},
    {"NotActivated", "newbie", "newbie123", 2,
     QStringLiteral("该帐户还未激活,请登陆注册邮箱激活帐户！")},
    {"OkWithLineBreak", "crlf", "crlf123", 2, QStringLiteral("用户名或密码错误！")},
    {"ChineseName", "张三", "zhang123", 1, {}},
    {"ChinesePassword", "李四", "密码四", 1, {}},
    {"DelimitersAndBlank", "amp", "a&b#c d", 1, {}},
    {"Plus", "plus", "1+1", 1, {}},
};

class StandinAnswers : public StandinLogin, public ::testing::WithParamInterface<ServerCase> {};

TEST_P(StandinAnswers, LogsInOrSays) {
    const ServerCase& c = GetParam();
    FrmLogin& form = Open();
    form.Text1->setText(c.user);
    form.Text2->setText(c.password);
    form.Check1->SetValue(1);
    form.Check2->SetValue(1);
    Click(form.XPCommand2);

    // The stand-in may write its log line just after it answered.
    WaitUntil([&] { return Logins().size() >= c.requests; }, 3000);
    const QList<LoggedRequest> logins = Logins();
    ASSERT_EQ(logins.size(), c.requests);
    for (const LoggedRequest& request : logins) {
        EXPECT_EQ(request.method, "GET");
        EXPECT_EQ(request.target, logins.front().target);
        EXPECT_EQ(request.QueryValue("u"), c.user);
        EXPECT_EQ(request.QueryValue("p"), c.password);
    }
    if (c.box.isEmpty()) {
        EXPECT_TRUE(boxes_.isEmpty());
        ASSERT_NE(MainWindow(), nullptr);
        EXPECT_EQ(CurrentUser, c.user);
        EXPECT_EQ(Ini("Config", "RemPwd"), "1");
        EXPECT_EQ(Ini("Info", "UserName"), c.user);
        EXPECT_EQ(Ini("Info", "PassWord"), c.password);
        EXPECT_EQ(Ini("Config", "AutoLogin"), "1");
        return;
    }
    ASSERT_EQ(boxes_.size(), 1);
    EXPECT_EQ(boxes_[0].prompt, c.box);
    EXPECT_EQ(MainWindow(), nullptr);
    EXPECT_FALSE(ConfigExists());
}

INSTANTIATE_TEST_SUITE_P(Accounts, StandinAnswers, ::testing::ValuesIn(kServerCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StandinLogin, RememberedAccountLogsInByItself) {
    WriteConfig("[Config]\nRemPwd=1\nAutoLogin=1\n[Info]\nUserName=demo\nPassWord=demo123\n");
    Open();
    ASSERT_TRUE(WaitUntil([&] { return MainWindow() != nullptr; }, 5000));
    WaitUntil([&] { return !Logins().isEmpty(); }, 3000);
    EXPECT_EQ(Logins().size(), 1);
    EXPECT_EQ(CurrentUser, "demo");
}

TEST_F(StandinLogin, MemberPagesOpenInTheBrowser) {
    FrmLogin& form = Open();
    Click(form.Label4);
    Click(form.Label5);
    EXPECT_EQ(opened_, QStringList({standin_->MemberUrl() + "FindPwd.asp",
                                    standin_->MemberUrl() + "Register.asp"}));
    for (const QString& page : opened_) {
        const RawResponse response = RawGet(standin_->MemberPort(), QUrl(page).path().toUtf8());
        EXPECT_EQ(response.status, 200) << page.toStdString();
    }
}

}  // namespace
