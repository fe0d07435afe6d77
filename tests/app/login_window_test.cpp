#include <QDir>
#include <QLineEdit>
#include <QTimer>

#include "app/Module/Globals.h"
#include "app/Module/Module.h"
#include "login_fixture.h"
#include "platform/forms/controls/check_box.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/text_box.h"
#include "platform/forms/designer_loader.h"
#include "support/row_print.h"

namespace {

// ---- What the window shows after loading a given Config.ini ----

struct LoadCase {
    const char* name;
    const char* config;  // null: no Config.ini
    QString text1, text2;
    int check1, check2;
    bool check2Enabled;
    bool timerArmed;
};

using support::PrintTo;

const LoadCase kLoadCases[] = {
    {"NoFile", nullptr, "", "", 0, 0, false, false},
    {"Remembered", "[Config]\nRemPwd=1\n[Info]\nUserName=张三\nPassWord=p w\n", "张三", "p w", 1, 0,
     true, false},
    {"RememberedAutoLogin",
     "[Config]\nRemPwd=1\nAutoLogin=1\n[Info]\nUserName=alice\nPassWord=secret\n", "alice",
     "secret", 1, 1, true, true},
    // Only an exact "1" counts as set.
    {"NotExactlyOne", "[Config]\nRemPwd=yes\nAutoLogin=2\n[Info]\nUserName=alice\n", "", "", 0, 0,
     false, false},
    {"NotRemembered", "[Config]\nRemPwd=0\nAutoLogin=0\n[Info]\nUserName=alice\nPassWord=x\n", "",
     "", 0, 0, false, false},
    {"AutoLoginAlone", "[Config]\nRemPwd=0\nAutoLogin=1\n[Info]\nUserName=alice\n", "", "", 0, 1,
     false, true},
};

class LoginLoad : public LoginTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoginLoad, FillsTheWindow) {
    const LoadCase& c = GetParam();
    if (c.config != nullptr) WriteConfig(QString::fromUtf8(c.config));
    FrmLogin& form = Open();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.Text1->text(), c.text1);
    EXPECT_EQ(form.Text2->text(), c.text2);
    EXPECT_EQ(form.Check1->Value(), c.check1);
    EXPECT_EQ(form.Check2->Value(), c.check2);
    EXPECT_EQ(form.Check2->isEnabled(), c.check2Enabled);
    EXPECT_EQ(form.Timer1->isActive(), c.timerArmed);
    EXPECT_EQ(form.Timer1->interval(), 1000);
    EXPECT_TRUE(requests_.isEmpty());
    EXPECT_TRUE(boxes_.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Config, LoginLoad, ::testing::ValuesIn(kLoadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoginTest, WindowAsDesigned) {
    FrmLogin& form = Open();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Marlquin-会员登录"));
    EXPECT_EQ(form.size(), QSize(384, 207));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(platform::forms::FormPicture(&form).size(), QSize(384, 207));
    EXPECT_EQ(form.Text2->echoMode(), QLineEdit::Password);
    EXPECT_EQ(form.Label6->text(), QString());
    EXPECT_EQ(form.Label4->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(form.Label5->cursor().shape(), Qt::BitmapCursor);
    // The tab order runs over the controls that take the focus.
    QStringList order;
    QWidget* w = form.Command1;
    do {
        if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != form.Command1);
    EXPECT_EQ(order, QStringList({"Command1", "Command2", "Command3", "Text1", "Text2", "Check1",
                                  "Check2", "XPCommand1", "XPCommand2"}));
}

// The check boxes are filled with their designed back colour &H00F7F2E6,
// all the way to their edges.
TEST_F(LoginTest, CheckBoxesShowTheirBackColour) {
    FrmLogin& form = Open();
    for (platform::forms::controls::CheckBox* box : {form.Check1, form.Check2}) {
        const QImage face = box->grab().toImage();
        for (const QPoint corner :
             {QPoint(face.width() - 1, 0), QPoint(face.width() - 1, face.height() - 1)})
            EXPECT_EQ(face.pixelColor(corner), QColor(0xE6, 0xF2, 0xF7))
                << box->objectName().toStdString() << " at " << corner.x() << "," << corner.y();
    }
}

// ---- Simple event procedures ----

TEST_F(LoginTest, RememberTickEnablesAutoLoginWithoutTouchingIt) {
    FrmLogin& form = Open();
    const int steps[][3] = {
        // Check1 set to, Check2 set to (-1: untouched), Check2 enabled afterwards
        {1, -1, 1}, {1, 1, 1}, {0, -1, 0}, {1, -1, 1}, {0, 0, 0},
    };
    int check2 = 0;
    for (const auto& step : steps) {
        if (step[1] >= 0) form.Check2->SetValue(check2 = step[1]);
        form.Check1->SetValue(step[0]);
        EXPECT_EQ(form.Check2->isEnabled(), step[2] == 1);
        EXPECT_EQ(form.Check2->Value(), check2);
    }
}

TEST_F(LoginTest, LinksOpenTheMemberPages) {
    FrmLogin& form = Open();
    Click(form.Label4);
    Click(form.Label5);
    Click(form.Label4, Qt::RightButton);
    EXPECT_EQ(
        opened_,
        QStringList({QStringLiteral("http://member.login-test.example/velmora/FindPwd.asp"),
                     QStringLiteral("http://member.login-test.example/velmora/Register.asp")}));
    EXPECT_TRUE(boxes_.isEmpty());
    // Without a browser the user is given the address to open.
    browserStarts_ = false;
    Click(form.Label5);
    ASSERT_EQ(boxes_.size(), 1);
    EXPECT_EQ(boxes_[0].prompt,
              QStringLiteral("无法启动浏览器,请手动访问以下网址：\r\n"
                             "http://member.login-test.example/velmora/Register.asp"));
    EXPECT_EQ(boxes_[0].style, 64);
    EXPECT_EQ(boxes_[0].title, QStringLiteral("提示"));
}

TEST_F(LoginTest, MinimiseKeepsTheTaskbarButton) {
    FrmLogin& form = Open();
    Click(form.Command1);
    EXPECT_TRUE(form.isMinimized());
    EXPECT_EQ(form.windowFlags() & Qt::WindowType_Mask, Qt::Window);
    EXPECT_FALSE(form.IsUnloaded());
}

TEST_F(LoginTest, CloseQuitsTheProgram) {
    FrmLogin& form = Open();
    Click(form.Command2);
    EXPECT_EQ(quits_, 0);
    Click(form.Command3);
    EXPECT_TRUE(form.IsUnloaded());
    EXPECT_EQ(platform::forms::Count(), 0);
    EXPECT_EQ(quits_, 1);
}

// ---- Dragging: any button on the surface or the title label ----

struct DragCase {
    const char* name;
    const char* control;  // null: the window's surface
    Qt::MouseButton button;
    bool moves;
};

const DragCase kDragCases[] = {
    {"SurfaceLeft", nullptr, Qt::LeftButton, true},
    {"SurfaceRight", nullptr, Qt::RightButton, true},
    {"TitleMiddle", "Label1", Qt::MiddleButton, true},
    {"TitleRight", "Label1", Qt::RightButton, true},
    {"OtherLabel", "Label2", Qt::LeftButton, false},
    {"Link", "Label4", Qt::LeftButton, false},
};

class LoginDrag : public LoginTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(LoginDrag, MovesTheWindow) {
    const DragCase& c = GetParam();
    FrmLogin& form = Open();
    QWidget* target = c.control ? form.findChild<QWidget*>(c.control) : &form;
    ASSERT_NE(target, nullptr);
    // A spot of the surface that no control covers.
    const QPoint at = c.control ? target->rect().center() : QPoint(200, 190);
    ASSERT_EQ(c.control ? target : form.childAt(at), c.control ? target : nullptr);
    const QPoint start = form.pos();
    Drag(target, c.button, at, QPoint(30, 20));
    EXPECT_EQ(form.pos(), c.moves ? start + QPoint(30, 20) : start);
}

INSTANTIATE_TEST_SUITE_P(Press, LoginDrag, ::testing::ValuesIn(kDragCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Keys typed in the boxes ----

struct KeyCase {
    const char* name;
    const char* box;
    QString user, password;
    int key;
    QString text;
    int requests;
    int boxes;
};

const KeyCase kKeyCases[] = {
    {"EnterInPassword", "Text2", "alice", "secret", Qt::Key_Return, "\r", 2, 1},
    {"KeypadEnterInPassword", "Text2", "alice", "secret", Qt::Key_Enter, "\r", 2, 1},
    {"EnterWithoutName", "Text2", "", "secret", Qt::Key_Return, "\r", 0, 1},
    {"EnterInName", "Text1", "alice", "secret", Qt::Key_Return, "\r", 0, 0},
    {"LetterInPassword", "Text2", "alice", "secret", Qt::Key_A, "a", 0, 0},
};

class LoginKeys : public LoginTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(LoginKeys, OnlyEnterInThePasswordLogsIn) {
    const KeyCase& c = GetParam();
    FrmLogin& form = Open();
    form.Text1->setText(c.user);
    form.Text2->setText(c.password);
    auto* box = form.findChild<platform::forms::controls::TextBox*>(c.box);
    int returns = 0;
    QObject::connect(box, &QLineEdit::returnPressed, [&] { ++returns; });
    TypeKey(box, c.key, c.text);
    EXPECT_EQ(requests_.size(), c.requests);
    EXPECT_EQ(boxes_.size(), c.boxes);
    // The key goes on to the box after the login ran.
    EXPECT_EQ(returns, c.text == "\r" ? 1 : 0);
    if (c.text == "a") {
        EXPECT_EQ(form.Text2->text(), c.password + "a");
    }
}

INSTANTIATE_TEST_SUITE_P(Key, LoginKeys, ::testing::ValuesIn(kKeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- The guest entry ----

TEST_F(LoginTest, GuestEntryKeepsTheRememberedAccount) {
    WriteConfig("[Config]\nRemPwd=1\nAutoLogin=1\n[Info]\nUserName=alice\nPassWord=secret\n");
    FrmLogin& form = Open();
    CurrentUser = "alice";
    Click(form.XPCommand1);
    EXPECT_TRUE(requests_.isEmpty());
    EXPECT_TRUE(boxes_.isEmpty());
    EXPECT_TRUE(CurrentUser.isEmpty());
    EXPECT_TRUE(form.IsUnloaded());
    EXPECT_FALSE(form.Timer1->isActive());
    EXPECT_NE(MainWindow(), nullptr);
    EXPECT_EQ(Ini("Config", "RemPwd"), "0");
    EXPECT_EQ(Ini("Config", "AutoLogin"), "0");
    EXPECT_EQ(Ini("Info", "UserName"), "alice");
    EXPECT_EQ(Ini("Info", "PassWord"), "secret");
    // The next start shows empty boxes and no auto-login.
    Module::UnloadAllForms();
    Flush();
    FrmLogin& again = Open();
    EXPECT_FALSE(again.IsUnloaded());
    EXPECT_TRUE(again.Text1->text().isEmpty());
    EXPECT_TRUE(again.Text2->text().isEmpty());
    EXPECT_FALSE(again.Timer1->isActive());
}

// ---- A Config.ini that cannot be written ----

struct WriteFailureCase {
    const char* name;
    const char* button;
    int failures;
};

const WriteFailureCase kWriteFailures[] = {
    {"MemberLogin", "XPCommand2", 4},
    {"GuestEntry", "XPCommand1", 2},
};

class LoginWriteFailure : public LoginTest,
                          public ::testing::WithParamInterface<WriteFailureCase> {};

TEST_P(LoginWriteFailure, ReportsEachKeyAndStillEnters) {
    const WriteFailureCase& c = GetParam();
    ASSERT_TRUE(QDir(dir_.path()).mkdir("Config.ini"));
    FrmLogin& form = Open();
    form.Text1->setText("alice");
    form.Text2->setText("secret");
    form.Check1->SetValue(1);
    Answer({Body("OK")});
    Click(form.findChild<QWidget*>(c.button));
    ASSERT_EQ(boxes_.size(), c.failures);
    for (const ShownBox& box : boxes_) {
        EXPECT_EQ(box.prompt, QStringLiteral("写入信息时出错,请确定您有足够的权限！"));
        EXPECT_EQ(box.style, 16);
        EXPECT_EQ(box.title, QStringLiteral("提示"));
    }
    EXPECT_NE(MainWindow(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Write, LoginWriteFailure, ::testing::ValuesIn(kWriteFailures),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
