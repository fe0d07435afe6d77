#include "login_fixture.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "app/Module/Module.h"
#include "platform/basic/ansi.h"
#include "platform/basic/app_folder.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/text_box.h"

namespace {

bool idleState(const FrmLogin* form) {
    return form->Text1->isEnabled() && form->Text2->isEnabled() && form->XPCommand1->isEnabled() &&
           form->XPCommand2->isEnabled();
}

bool busyState(const FrmLogin* form) {
    if (form == nullptr) return false;
    return !form->Text1->isEnabled() && !form->Text2->isEnabled() &&
           !form->XPCommand1->isEnabled() && !form->XPCommand2->isEnabled();
}

}  // namespace

void LoginTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    oldMemberUrl_ = qgetenv("MARLQUIN_MEMBER_URL");
    qputenv("MARLQUIN_MEMBER_URL", kLoginMemberUrl);
    platform::basic::SetApplicationFolder(dir_.path());
    oldBoxes_ = platform::forms::SetMsgBoxHandler(
        [this](const QString& prompt, int style, const QString& title) {
            ShownBox box;
            box.prompt = prompt;
            box.style = style;
            box.title = title;
            if (form_ != nullptr && !form_->IsUnloaded()) {
                box.status = form_->Label6->text();
                box.idle = idleState(form_);
            }
            boxes_.append(box);
            return int(platform::forms::vbOK);
        });
    oldOpen_ = platform::shell::SetOpenUrlHandler([this](const QString& url) {
        opened_ << url;
        return browserStarts_;
    });
    oldQuit_ = platform::forms::SetQuitHandler([this] { ++quits_; });
    oldGet_ = platform::net::SetHttpGetHandler([this](const QUrl& url) {
        requests_.append({url, form_ ? form_->Label6->text() : QString(), busyState(form_)});
        if (duringRequest_) duringRequest_();
        if (answers_.empty()) return Body("Err");
        const platform::net::HttpAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

void LoginTest::TearDown() {
    Module::UnloadAllForms();
    Flush();
    platform::net::SetHttpGetHandler(oldGet_);
    platform::forms::SetQuitHandler(oldQuit_);
    platform::shell::SetOpenUrlHandler(oldOpen_);
    platform::forms::SetMsgBoxHandler(oldBoxes_);
    platform::basic::SetApplicationFolder(QString());
    qputenv("MARLQUIN_MEMBER_URL", oldMemberUrl_);
}

QString LoginTest::ConfigPath() const {
    return dir_.filePath("Config.ini");
}

void LoginTest::WriteConfig(const QString& text) {
    QFile file(ConfigPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // The settings file is in the ANSI code page.
    file.write(platform::basic::ToAnsi(text));
}

QString LoginTest::Ini(const QString& section, const QString& key) const {
    return Module::ReadIni(section, key, ConfigPath());
}

bool LoginTest::ConfigExists() const {
    return QFile::exists(ConfigPath());
}

FrmLogin& LoginTest::Open() {
    form_ = &platform::forms::Default<FrmLogin>();
    form_->Show();
    return *form_;
}

platform::forms::Form* LoginTest::MainWindow() const {
    for (platform::forms::Form* form : platform::forms::Loaded())
        if (form->windowTitle() == QLatin1String("Marlquin2011") && form->isVisible()) return form;
    return nullptr;
}

bool LoginTest::WaitUntil(const std::function<bool()>& pred, int ms) {
    QEventLoop loop;
    QTimer poll;
    QTimer limit;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (pred()) loop.quit();
    });
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    poll.start(10);
    limit.start(ms);
    if (!pred()) loop.exec();
    return pred();
}

void LoginTest::Flush() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void LoginTest::Answer(const std::vector<platform::net::HttpAnswer>& answers) {
    answers_.assign(answers.begin(), answers.end());
}

void LoginTest::UseNetwork() {
    platform::net::SetHttpGetHandler([this](const QUrl& url) {
        requests_.append({url, form_ ? form_->Label6->text() : QString(), busyState(form_)});
        return oldGet_(url);
    });
}

void Press(QWidget* widget, Qt::MouseButton button, QPoint at) {
    const QPointF local(at);
    const QPointF global(widget->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

void Click(QWidget* widget, Qt::MouseButton button) {
    const QPoint at = widget->rect().center();
    Press(widget, button, at);
    const QPointF global(widget->mapToGlobal(at));
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

void Drag(QWidget* widget, Qt::MouseButton button, QPoint at, QPoint by) {
    const QPoint global = widget->mapToGlobal(at);
    QCursor::setPos(global);
    Press(widget, button, at);
    QCursor::setPos(global + by);
    QMouseEvent move(QEvent::MouseMove, QPointF(at + by), QPointF(global + by), Qt::NoButton,
                     button, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at + by), QPointF(global + by), button,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

void TypeKey(QWidget* widget, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) TypeKey(widget, 0, QString(c));
}

platform::net::HttpAnswer Body(const QString& body) {
    return {true, body};
}

platform::net::HttpAnswer NoAnswer() {
    return {};
}
