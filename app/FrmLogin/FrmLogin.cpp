#include "app/FrmLogin/FrmLogin.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QTimer>

#include "app/FrmLogin/MemberServer.h"
#include "app/ImgBlt/AppWindowStyles.h"
#include "app/Module/Module.h"
#include "platform/forms/controls/check_box.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/text_box.h"

using platform::forms::controls::CheckBox;
using platform::forms::controls::Label;
using platform::forms::controls::TextBox;

namespace {

const QString kYes = QStringLiteral("1");

}  // namespace

FrmLogin::FrmLogin(QWidget* parent) : platform::forms::Form(parent) {
    layout_ = platform::forms::Load(this, QStringLiteral(":/designer/FrmLogin.json"));
    Command1 = layout_.widget("Command1");
    Command2 = layout_.widget("Command2");
    Command3 = layout_.widget("Command3");
    Label1 = layout_.get<Label>("Label1");
    Label2 = layout_.get<Label>("Label2");
    Label3 = layout_.get<Label>("Label3");
    Text1 = layout_.get<TextBox>("Text1");
    Text2 = layout_.get<TextBox>("Text2");
    Check1 = layout_.get<CheckBox>("Check1");
    Check2 = layout_.get<CheckBox>("Check2");
    XPCommand1 = layout_.widget("XPCommand1");
    XPCommand2 = layout_.widget("XPCommand2");
    Label4 = layout_.get<Label>("Label4");
    Label5 = layout_.get<Label>("Label5");
    Label6 = layout_.get<Label>("Label6");
    Timer1 = layout_.timer("Timer1");
    ConnectEvents();
}

void FrmLogin::ConnectEvents() {
    using platform::forms::OnClick;
    connect(Check1, &CheckBox::Click, this, &FrmLogin::Check1_Click);
    OnClick(Command1, [this] { Command1_Click(); });
    OnClick(Command3, [this] { Command3_Click(); });
    connect(Label1, &Label::MouseDown, this, &FrmLogin::Label1_MouseDown);
    connect(Label4, &Label::Click, this, &FrmLogin::Label4_Click);
    connect(Label5, &Label::Click, this, &FrmLogin::Label5_Click);
    connect(Text2, &TextBox::KeyPress, this, &FrmLogin::Text2_KeyPress);
    connect(Timer1, &QTimer::timeout, this, &FrmLogin::Timer1_Timer);
    OnClick(XPCommand1, [this] { XPCommand1_Click(); });
    OnClick(XPCommand2, [this] { XPCommand2_Click(); });
}

QString FrmLogin::ConfigFile() const {
    return Module::AppPath() + QStringLiteral("Config.ini");
}

void FrmLogin::Form_Load() {
    // The styles go first: changed on a window that the window manager is
    // mapping, they made it take the window down again now and then.
    ImgBlt::SetAppWindowStyles(this);
    show();
    const QString file = ConfigFile();
    if (Module::ReadIni("Config", "RemPwd", file) == kYes) {
        Check1->SetValue(1);
        Text1->setText(Module::ReadIni("Info", "UserName", file));
        Text2->setText(Module::ReadIni("Info", "PassWord", file));
    }
    if (Module::ReadIni("Config", "AutoLogin", file) == kYes) {
        Check2->SetValue(1);
        Timer1->start();
    }
    Check2->setEnabled(Check1->Value() == 1);
}

void FrmLogin::Form_Unload() {
    Timer1->stop();
}

void FrmLogin::Check1_Click() {
    Check2->setEnabled(Check1->Value() == 1);
}

void FrmLogin::Command1_Click() {
    showMinimized();
}

void FrmLogin::Command3_Click() {
    Module::UnloadAllForms();
}

void FrmLogin::mousePressEvent(QMouseEvent* event) {
    // A press that a label let through belongs to the label, not to the surface.
    if (childAt(event->position().toPoint()) == nullptr) Form_MouseDown();
}

void FrmLogin::closeEvent(QCloseEvent* event) {
    event->ignore();
    // The window waits on its login, request and box; it is not taken away
    // under it.
    if (loginRunning_) return;
    // As the window's own close button: the program's quit, whatever else is
    // still loaded (the hidden tray menu after a log-out).
    Command3_Click();
}

void FrmLogin::Form_MouseDown() {
    Module::DragForm(this);
}

void FrmLogin::Label1_MouseDown() {
    Module::DragForm(this);
}

void FrmLogin::Label4_Click() {
    Module::OpenInBrowser(MemberServer::FindPwdUrl());
}

void FrmLogin::Label5_Click() {
    Module::OpenInBrowser(MemberServer::RegisterUrl());
}

void FrmLogin::Text2_KeyPress(int& keyAscii) {
    if (keyAscii == 13) XPCommand2_Click();
}

void FrmLogin::Timer1_Timer() {
    Timer1->stop();
    XPCommand2_Click();
}
