#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>

#include "app/FrmLogin/FrmLogin.h"
#include "app/FrmTi/FrmTi.h"
#include "frmmain_fixture.h"

namespace {

QAbstractButton* button(platform::forms::Form& form, const char* name) {
    return qobject_cast<QAbstractButton*>(static_cast<FrmTi&>(form).findChild<QWidget*>(name));
}

void pressKey(QWidget* target, Qt::Key code, const QString& text) {
    QKeyEvent key(QEvent::KeyPress, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &key);
}

void pressEscape(QWidget* target) {
    pressKey(target, Qt::Key_Escape, QStringLiteral("\x1b"));
}

class PromptTest : public MainWindowTest {
protected:
    // A guest at fund flows, with the prompt driven by way.
    void askWith(std::function<void(platform::forms::Form&)> way) {
        open();
        onModal = [this, way](platform::forms::Form& form) {
            prompt = &form;
            promptWasUnloaded = false;
            way(form);
            promptWasUnloaded = form.IsUnloaded();
        };
        press(window->FlatCmd1[2]);
        ASSERT_EQ(modals, QStringList{QStringLiteral("提示")});
    }
    void expectMainWindowAsItWas() {
        EXPECT_FALSE(window->IsUnloaded());
        EXPECT_TRUE(status(0));
        EXPECT_FALSE(status(2));
        EXPECT_EQ(pane(window->Web2).navigations.size(), 2);
    }

    platform::forms::Form* prompt = nullptr;
    bool promptWasUnloaded = false;
};

TEST_F(PromptTest, PromptIsTheDesignedWindow) {
    askWith([](platform::forms::Form& form) {
        EXPECT_EQ(form.size(), QSize(277, 96));
        EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_FALSE(form.windowIcon().isNull());
        const QString captions[] = {"登录", "注册会员", "关闭"};
        const char* names[] = {"Command1", "Command2", "Command3"};
        for (int i = 0; i < 3; ++i) EXPECT_EQ(button(form, names[i])->text(), captions[i]);
        form.Unload();
    });
}

TEST_F(PromptTest, LoginLeavesOnlyTheLoginWindow) {
    askWith([](platform::forms::Form& form) { button(form, "Command1")->click(); });
    EXPECT_TRUE(promptWasUnloaded);
    EXPECT_TRUE(window->IsUnloaded());
    ASSERT_EQ(platform::forms::Count(), 1);
    auto* login = qobject_cast<FrmLogin*>(platform::forms::Loaded().first());
    ASSERT_NE(login, nullptr);
    EXPECT_TRUE(login->isVisible());
}

TEST_F(PromptTest, RegisterOpensTheRegistrationPageAndCloses) {
    askWith([](platform::forms::Form& form) { button(form, "Command2")->click(); });
    EXPECT_TRUE(promptWasUnloaded);
    EXPECT_EQ(opened, QStringList{kMemberUrl + "Register.asp"});
    expectMainWindowAsItWas();
}

TEST_F(PromptTest, CloseButtonCloses) {
    askWith([](platform::forms::Form& form) { button(form, "Command3")->click(); });
    EXPECT_TRUE(promptWasUnloaded);
    EXPECT_TRUE(opened.isEmpty());
    expectMainWindowAsItWas();
}

TEST_F(PromptTest, CloseBoxCloses) {
    askWith([](platform::forms::Form& form) { form.close(); });
    EXPECT_TRUE(promptWasUnloaded);
    expectMainWindowAsItWas();
}

class PromptEscapeTest : public PromptTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(PromptEscapeTest, EscapeClosesWhicheverButtonHasTheFocus) {
    const char* name = GetParam();
    askWith([name](platform::forms::Form& form) { pressEscape(button(form, name)); });
    EXPECT_TRUE(promptWasUnloaded);
    EXPECT_TRUE(opened.isEmpty());
    expectMainWindowAsItWas();
}

INSTANTIATE_TEST_SUITE_P(Buttons, PromptEscapeTest,
                         ::testing::Values("Command1", "Command2", "Command3"));

struct EnterCase {
    const char* button;
    Qt::Key key;
    bool loggingIn;
    QStringList opened;
};

void PrintTo(const EnterCase& c, std::ostream* os) {
    *os << c.button << " key " << c.key;
}

class PromptEnterTest : public PromptTest, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(PromptEnterTest, EnterPressesTheButtonWithTheFocus) {
    const EnterCase& c = GetParam();
    askWith([&c](platform::forms::Form& form) {
        QWidget* focused = button(form, c.button);
        focused->setFocus();
        pressKey(focused, c.key, QStringLiteral("\r"));
    });
    EXPECT_TRUE(promptWasUnloaded);
    EXPECT_EQ(window->IsUnloaded(), c.loggingIn);
    EXPECT_EQ(opened, c.opened);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, PromptEnterTest,
    ::testing::Values(EnterCase{"Command1", Qt::Key_Return, true, {}},
                      EnterCase{"Command2", Qt::Key_Return, false, {kMemberUrl + "Register.asp"}},
                      EnterCase{"Command3", Qt::Key_Return, false, {}},
                      EnterCase{"Command3", Qt::Key_Enter, false, {}}));

TEST_F(PromptTest, OtherKeysLeaveThePromptOpen) {
    askWith([](platform::forms::Form& form) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(button(form, "Command3"), &key);
        EXPECT_FALSE(form.IsUnloaded());
        form.Unload();
    });
}

}  // namespace
