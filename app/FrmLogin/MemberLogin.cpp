// The member login and the guest entry of the login window.
#include <QTimer>

#include "app/FrmLogin/FrmLogin.h"
#include "app/FrmLogin/MemberServer.h"
#include "app/Frmmain/Frmmain.h"
#include "app/Module/Globals.h"
#include "app/Module/Module.h"
#include "platform/forms/controls/check_box.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/text_box.h"
#include "platform/forms/message_box.h"
#include "platform/net/http_get.h"

namespace {

const QString kTitle = QStringLiteral("提示");

void Inform(const QString& prompt) {
    platform::forms::MsgBox(prompt, platform::forms::vbInformation, kTitle);
}

}  // namespace

bool FrmLogin::CheckInput() {
    // Neither box is trimmed: a name of blanks is sent as it is.
    if (Text1->text().isEmpty()) {
        Inform(QStringLiteral("请输入用户名！"));
        Text1->setFocus();
        return false;
    }
    if (Text2->text().isEmpty()) {
        Inform(QStringLiteral("请输入密码！"));
        Text2->setFocus();
        return false;
    }
    return true;
}

void FrmLogin::SetBusy(bool busy) {
    Label6->setText(busy ? QStringLiteral("正在登陆...") : QString());
    Text1->setEnabled(!busy);
    Text2->setEnabled(!busy);
    XPCommand1->setEnabled(!busy);
    XPCommand2->setEnabled(!busy);
}

platform::net::HttpAnswer FrmLogin::AskServer() {
    return platform::net::HttpGet(MemberServer::LoginUrl(Text1->text(), Text2->text()));
}

// A click in the auto-login's first second is the login: the timer would
// otherwise fire inside this one's waits and send a second. The timers and
// boxes of a running login cannot start another one either.
void FrmLogin::XPCommand2_Click() {
    Timer1->stop();
    if (loginRunning_) return;
    loginRunning_ = true;
    const bool loggedIn = MemberLogin();
    loginRunning_ = false;
    if (loggedIn) OpenMainWindow();
}

bool FrmLogin::MemberLogin() {
    if (!CheckInput()) return false;
    SetBusy(true);
    const platform::net::HttpAnswer first = AskServer();
    if (first.answered && first.body == QLatin1String("OK")) {
        SaveSettings();
        CurrentUser = Text1->text();
        return true;
    }
    // A server that cannot be reached is not asked a second time.
    const platform::net::HttpAnswer second = first.answered ? AskServer() : first;
    if (!second.answered)
        Inform(QStringLiteral("无法连接会员服务器,请检查网络后重试！"));
    else if (second.body == QLatin1String("Err2"))
        Inform(QStringLiteral("该帐户还未激活,请登陆注册邮箱激活帐户！"));
    else
        Inform(QStringLiteral("用户名或密码错误！"));
    SetBusy(false);
    return false;
}

// A name or password that the settings file would give back cut is not
// remembered at all: auto-login would send the wrong one. Nor is auto-login
// then: with nothing remembered it would only ask for a name at every start.
void FrmLogin::SaveSettings() {
    bool remember = Check1->Value() == 1;
    // Check2's tick counts even while Check2 is disabled.
    bool autoLogin = Check2->Value() == 1;
    if (remember && !(Module::FitsIni(Text1->text()) && Module::FitsIni(Text2->text()))) {
        Inform(QStringLiteral("用户名或密码过长,无法记住！"));
        remember = false;
        autoLogin = false;
    }
    Module::WriteIniKeys({{"Config", "RemPwd", remember ? "1" : "0"},
                          {"Info", "UserName", remember ? Text1->text() : QString()},
                          {"Info", "PassWord", remember ? Text2->text() : QString()},
                          {"Config", "AutoLogin", autoLogin ? "1" : "0"}},
                         ConfigFile());
}

void FrmLogin::OpenMainWindow() {
    Unload();
    platform::forms::Default<Frmmain>().Show();
}

void FrmLogin::XPCommand1_Click() {
    CurrentUser.clear();
    // The remembered user name and password stay in the file.
    Module::WriteIniKeys({{"Config", "RemPwd", "0"}, {"Config", "AutoLogin", "0"}}, ConfigFile());
    OpenMainWindow();
}
