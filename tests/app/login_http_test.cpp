#include <QElapsedTimer>
#include <QEvent>

#include "app/FrmLogin/MemberServer.h"
#include "login_fixture.h"
#include "login_server_fixture.h"
#include "platform/basic/ansi.h"
#include "platform/forms/controls/check_box.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/text_box.h"
#include "support/row_print.h"

namespace {

constexpr int kShortTimeout = 1500;

// Shortens the request time-out for one test.
class ShortTimeout {
public:
    ShortTimeout() : old_(platform::net::SetHttpTimeout(kShortTimeout)) {}
    ~ShortTimeout() { platform::net::SetHttpTimeout(old_); }

private:
    int old_;
};

// ---- The synchronous GET against a server that behaves or not ----

struct GetCase {
    const char* name;
    RawHttpServer::Mode mode;
    int status;
    QByteArray body;
    bool answered;
    QString text;
};

using support::PrintTo;

const GetCase kGetCases[] = {
    {"Ok", RawHttpServer::Mode::Answer, 200, "OK", true, "OK"},
    {"OkWithLineBreak", RawHttpServer::Mode::Answer, 200, "OK\r\n", true, "OK\r\n"},
    {"Empty", RawHttpServer::Mode::Answer, 200, "", true, ""},
    {"NotFoundStillAnswers", RawHttpServer::Mode::Answer, 404, "Err", true, "Err"},
    {"ServerErrorStillAnswers", RawHttpServer::Mode::Answer, 500, "Err2", true, "Err2"},
    {"ChineseBody", RawHttpServer::Mode::Answer, 200, platform::basic::ToAnsi("用户不存在"), true,
     "用户不存在"},
    {"Silent", RawHttpServer::Mode::Silent, 0, "", false, ""},
    {"HangsUp", RawHttpServer::Mode::HangUp, 0, "", false, ""},
    {"Trickles", RawHttpServer::Mode::Trickle, 0, "", false, ""},
    // Every valid answer is a few bytes: a longer body is read no further.
    {"LongestBody", RawHttpServer::Mode::Answer, 200, QByteArray(64 * 1024, 'O'), true,
     QString(64 * 1024, u'O')},
    {"BodyOverTheBound", RawHttpServer::Mode::Answer, 200, QByteArray(64 * 1024 + 1, 'O'), true,
     ""},
    {"ErrorBodyOverTheBound", RawHttpServer::Mode::Answer, 404, QByteArray(1 << 20, 'E'), true, ""},
    {"FloodOf400MB", RawHttpServer::Mode::Flood, 0, "", true, ""},
    {"FloodOfNoLength", RawHttpServer::Mode::FloodUnsized, 0, "", true, ""},
};

class HttpGetTest : public ::testing::TestWithParam<GetCase> {};

TEST_P(HttpGetTest, ReturnsTheWholeBodyOrNoAnswer) {
    const GetCase& c = GetParam();
    ShortTimeout timeout;
    RawHttpServer server;
    server.SetMode(c.mode);
    server.SetAnswer(c.status, c.body);
    const auto answer =
        platform::net::HttpGet(QUrl::fromEncoded(server.Base() + "login.asp?u=a&p=b"));
    EXPECT_EQ(answer.answered, c.answered);
    EXPECT_EQ(answer.body, c.text);
    // Qt sends a GET once more when the connection drops before any answer.
    ASSERT_FALSE(server.Targets().isEmpty());
    for (const QByteArray& target : server.Targets())
        EXPECT_EQ(target, "/velmora/login.asp?u=a&p=b");
}

INSTANTIATE_TEST_SUITE_P(Server, HttpGetTest, ::testing::ValuesIn(kGetCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HttpGet, NoServerIsNoAnswer) {
    ShortTimeout timeout;
    const QByteArray url = "http://127.0.0.1:" + QByteArray::number(ClosedPort()) + "/velmora/x";
    EXPECT_FALSE(platform::net::HttpGet(QUrl::fromEncoded(url)).answered);
    EXPECT_FALSE(platform::net::HttpGet(QUrl("http://no-such-host.invalid/velmora/x")).answered);
}

// ---- The login URL reaches the server exactly as typed ----

struct TypedCase {
    const char* name;
    QString user, password;
    QByteArray query;
};

const TypedCase kTypedCases[] = {
    {"Plain", "alice", "secret", "u=alice&p=secret"},
    {"Delimiters", "a&p=b", "c#d", "u=a%26p%3Db&p=c%23d"},
    {"BlanksPlusPercent", "a b", "1+1%", "u=a%20b&p=1%2B1%25"},
    {"Chinese", "张三", "密码", "u=%D5%C5%C8%FD&p=%C3%DC%C2%EB"},
    // GBK pairs that also read as UTF-8 must not be re-encoded on the way.
    {"GbkLooksLikeUtf8", "一", "摩", "u=%D2%BB&p=%C4%A6"},
    {"Unreserved", "A-z_0.9~", "x", "u=A-z_0.9~&p=x"},
};

class TypedLogin : public LoginTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedLogin, ArrivesAsTyped) {
    const TypedCase& c = GetParam();
    RawHttpServer server;
    server.SetAnswer(200, "Err");
    qputenv("MARLQUIN_MEMBER_URL", server.Base());
    UseNetwork();
    FrmLogin& form = Open();
    form.Text1->setText(c.user);
    form.Text2->setText(c.password);
    Click(form.XPCommand2);
    const QByteArray target = "/velmora/login.asp?" + c.query;
    EXPECT_EQ(server.Targets(), QList<QByteArray>({target, target}));
}

INSTANTIATE_TEST_SUITE_P(Typed, TypedLogin, ::testing::ValuesIn(kTypedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- A member server that cannot be reached ----

struct UnreachableCase {
    const char* name;
    RawHttpServer::Mode mode;
    bool serverUp;
};

const UnreachableCase kUnreachableCases[] = {
    {"Silent", RawHttpServer::Mode::Silent, true},
    {"HangsUp", RawHttpServer::Mode::HangUp, true},
    {"Refused", RawHttpServer::Mode::Answer, false},
};

class UnreachableLogin : public LoginTest, public ::testing::WithParamInterface<UnreachableCase> {};

TEST_P(UnreachableLogin, SaysSoAndComesBackToIdle) {
    const UnreachableCase& c = GetParam();
    ShortTimeout timeout;
    RawHttpServer server;
    server.SetMode(c.mode);
    qputenv("MARLQUIN_MEMBER_URL",
            c.serverUp ? server.Base()
                       : "http://127.0.0.1:" + QByteArray::number(ClosedPort()) + "/velmora/");
    UseNetwork();
    FrmLogin& form = Open();
    form.Text1->setText("alice");
    form.Text2->setText("secret");
    form.Check1->SetValue(1);
    // The window keeps painting while it waits: the status line shows.
    int paints = 0;
    struct PaintCounter : QObject {
        int* paints;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++*paints;
            return false;
        }
    } counter;
    counter.paints = &paints;
    form.Label6->installEventFilter(&counter);

    Click(form.XPCommand2);

    ASSERT_EQ(requests_.size(), 1);
    EXPECT_TRUE(requests_[0].busy);
    EXPECT_EQ(server.Connections() > 0, c.serverUp);
    ASSERT_EQ(boxes_.size(), 1);
    EXPECT_EQ(boxes_[0].prompt, QStringLiteral("无法连接会员服务器,请检查网络后重试！"));
    EXPECT_EQ(boxes_[0].style, 64);
    EXPECT_EQ(boxes_[0].title, QStringLiteral("提示"));
    if (c.mode == RawHttpServer::Mode::Silent) {
        EXPECT_GT(paints, 0);
    }
    EXPECT_TRUE(form.Text1->isEnabled() && form.Text2->isEnabled());
    EXPECT_TRUE(form.XPCommand1->isEnabled() && form.XPCommand2->isEnabled());
    EXPECT_TRUE(form.Label6->text().isEmpty());
    EXPECT_EQ(form.Text1->text(), "alice");
    EXPECT_EQ(form.Text2->text(), "secret");
    EXPECT_FALSE(ConfigExists());
    EXPECT_EQ(MainWindow(), nullptr);

    // Usable again: the next try goes out and can succeed.
    server.SetMode(RawHttpServer::Mode::Answer);
    server.SetAnswer(200, "OK");
    qputenv("MARLQUIN_MEMBER_URL", server.Base());
    Click(form.XPCommand2);
    EXPECT_NE(MainWindow(), nullptr);
    EXPECT_EQ(Ini("Config", "RemPwd"), "1");
}

INSTANTIATE_TEST_SUITE_P(Server, UnreachableLogin, ::testing::ValuesIn(kUnreachableCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
