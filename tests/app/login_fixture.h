#pragma once

#include <gtest/gtest.h>

#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <deque>
#include <vector>

#include "app/FrmLogin/FrmLogin.h"
#include "platform/forms/forms_collection.h"
#include "platform/forms/message_box.h"
#include "platform/net/http_get.h"
#include "platform/shell/open_url.h"

// The member server's base URL during a test.
inline constexpr char kLoginMemberUrl[] = "http://member.login-test.example/velmora/";

// One message box as the window showed it, with the window's state then.
struct ShownBox {
    QString prompt;
    int style = 0;
    QString title;
    QString status;     // Label6 while the box was up
    bool idle = false;  // boxes and buttons enabled while the box was up
};

// The window's state when a request went out.
struct SentRequest {
    QUrl url;
    QString status;
    bool busy = false;  // both boxes and both buttons disabled
};

// A login window over a temporary application folder. Message boxes, opened
// pages and the end of the program are recorded; requests go to a queue of
// canned answers unless a test lets them reach the network.
class LoginTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void WriteConfig(const QString& text);
    QString Ini(const QString& section, const QString& key) const;
    bool ConfigExists() const;
    QString ConfigPath() const;

    FrmLogin& Open();
    // The loaded main window, or null when it is not shown.
    platform::forms::Form* MainWindow() const;
    // Runs the event loop until pred holds or ms have passed; false on time-out.
    static bool WaitUntil(const std::function<bool()>& pred, int ms);
    static void Flush();

    // Answers for the next requests, in order; a missing answer is "Err".
    void Answer(const std::vector<platform::net::HttpAnswer>& answers);
    void UseNetwork();

    QTemporaryDir dir_;
    FrmLogin* form_ = nullptr;
    QList<ShownBox> boxes_;
    QStringList opened_;
    QList<SentRequest> requests_;
    int quits_ = 0;
    std::function<void()> duringRequest_;  // runs inside every canned request
    bool browserStarts_ = true;            // what opening a page reports

private:
    std::deque<platform::net::HttpAnswer> answers_;
    QByteArray oldMemberUrl_;
    platform::forms::MsgBoxHandler oldBoxes_;
    platform::shell::OpenUrlHandler oldOpen_;
    platform::forms::QuitHandler oldQuit_;
    platform::net::HttpGetHandler oldGet_;
};

// Input sent to widgets as the window system would.
void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton);
void Press(QWidget* widget, Qt::MouseButton button, QPoint at);
// Presses at `at`, moves the pointer by `by` with the button held, releases.
void Drag(QWidget* widget, Qt::MouseButton button, QPoint at, QPoint by);
void TypeKey(QWidget* widget, int key, const QString& text,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void Type(QWidget* widget, const QString& text);

// The canned answers.
platform::net::HttpAnswer Body(const QString& body);
platform::net::HttpAnswer NoAnswer();
