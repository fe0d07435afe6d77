#pragma once

#include "platform/forms/designer_loader.h"
#include "platform/forms/form.h"
#include "platform/net/http_get.h"

class QTimer;

namespace platform::forms::controls {
class CheckBox;
class Label;
class TextBox;
}  // namespace platform::forms::controls

// The login window: a member login against the member server, or a guest
// entry; both lead to the main window.
class FrmLogin : public platform::forms::Form {
    Q_OBJECT
public:
    explicit FrmLogin(QWidget* parent = nullptr);

    // The controls, under their designer names. The title-bar and login
    // buttons are whatever kind the designer data gives them.
    // title bar: minimise
    QWidget* Command1 = nullptr;
    // title bar: middle button, no action
    QWidget* Command2 = nullptr;
    // title bar: close, quits the program
    QWidget* Command3 = nullptr;
    // title; a press on it drags the window
    platform::forms::controls::Label* Label1 = nullptr;
    // "用户名：" before the user-name box
    platform::forms::controls::Label* Label2 = nullptr;
    // "密  码：" before the password box
    platform::forms::controls::Label* Label3 = nullptr;
    // user-name box
    platform::forms::controls::TextBox* Text1 = nullptr;
    // password box
    platform::forms::controls::TextBox* Text2 = nullptr;
    // "记住密码": remember the name and password
    platform::forms::controls::CheckBox* Check1 = nullptr;
    // "自动登录": log in automatically
    platform::forms::controls::CheckBox* Check2 = nullptr;
    // guest entry "游客登录"
    QWidget* XPCommand1 = nullptr;
    // member login "注册会员登录"
    QWidget* XPCommand2 = nullptr;
    // lost-password link "忘记密码？"
    platform::forms::controls::Label* Label4 = nullptr;
    // registration link "免费注册成会员"
    platform::forms::controls::Label* Label5 = nullptr;
    // status line: "正在登陆..." while a login runs
    platform::forms::controls::Label* Label6 = nullptr;
    // auto-login timer
    QTimer* Timer1 = nullptr;

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectEvents();
    void Check1_Click();
    void Command1_Click();
    void Command3_Click();
    void Form_MouseDown();
    void Label1_MouseDown();
    void Label4_Click();
    void Label5_Click();
    void Text2_KeyPress(int& keyAscii);
    void Timer1_Timer();
    void XPCommand1_Click();
    void XPCommand2_Click();

    // The member login's steps (MemberLogin.cpp); true when it succeeded.
    bool MemberLogin();
    bool CheckInput();
    void SetBusy(bool busy);
    platform::net::HttpAnswer AskServer();
    void SaveSettings();
    void OpenMainWindow();

    QString ConfigFile() const;

    platform::forms::Layout layout_;
    bool loginRunning_ = false;
};
