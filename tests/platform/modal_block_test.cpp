#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "platform/forms/form.h"
#include "platform/forms/forms_collection.h"

namespace {

struct Input {
    int presses = 0;
    int keys = 0;
};

// Counts the presses and keys that reach it.
template <class Base>
class Counting : public Base {
public:
    Input input;

protected:
    void mousePressEvent(QMouseEvent*) override { ++input.presses; }
    void keyPressEvent(QKeyEvent*) override { ++input.keys; }
};

using CountingForm = Counting<platform::forms::Form>;

class ModalShowTest : public ::testing::Test {
protected:
    void SetUp() override {
        oldQuit_ = platform::forms::SetQuitHandler([] {});
        owner->setGeometry(50, 50, 200, 100);
        owner->Show();
        other.setGeometry(300, 50, 100, 100);
        other.show();
    }
    void TearDown() override {
        owner->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::forms::SetQuitHandler(oldQuit_);
    }

    // Shows the prompt modally and runs what while it is up.
    void whilePromptIsUp(const std::function<void()>& what) {
        QTimer::singleShot(0, [this, what] {
            what();
            prompt->Unload();
        });
        prompt->Show(platform::forms::Form::Modal);
    }

    CountingForm* owner = new CountingForm;
    CountingForm* prompt = new CountingForm;
    // A window that is no form, as a tray icon's window or a menu is.
    Counting<QWidget> other;

private:
    platform::forms::QuitHandler oldQuit_;
};

TEST_F(ModalShowTest, OnlyTheOtherFormsAreDeafWhileAFormIsModal) {
    struct Case {
        const char* what;
        QWidget* target;
        const Input* input;
        bool reached;
    };
    whilePromptIsUp([this] {
        const Case cases[] = {
            {"the modal form", prompt, &prompt->input, true},
            {"another form", owner, &owner->input, false},
            {"a window that is no form", &other, &other.input, true},
        };
        for (const Case& c : cases) {
            const Input before = *c.input;
            QTest::mouseClick(c.target->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
            QTest::keyClick(c.target->windowHandle(), Qt::Key_A);
            EXPECT_EQ(c.input->presses > before.presses, c.reached) << c.what;
            EXPECT_EQ(c.input->keys > before.keys, c.reached) << c.what;
        }
    });
    const Input before = owner->input;
    QTest::mouseClick(owner->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_GT(owner->input.presses, before.presses) << "the form takes input again";
}

TEST_F(ModalShowTest, PressOnAnotherFormBringsTheModalOneBack) {
    whilePromptIsUp([this] {
        owner->activateWindow();
        QTest::mouseClick(owner->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), prompt);
    });
}

TEST_F(ModalShowTest, ModalFormIsADialogOfTheFormItIsShownOver) {
    whilePromptIsUp([this] {
        EXPECT_EQ(prompt->windowType(), Qt::Dialog);
        EXPECT_EQ(prompt->windowHandle()->transientParent(), owner->windowHandle());
    });
}

TEST_F(ModalShowTest, CloseBoxOfAnotherFormDoesNothing) {
    whilePromptIsUp([this] { owner->windowHandle()->close(); });
    EXPECT_FALSE(owner->IsUnloaded());
    EXPECT_TRUE(owner->isVisible());
}

}  // namespace
