#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>

#include "platform/forms/controls/command_button.h"

namespace {

TEST(CommandButtonKeys, EnterClicksOnceAndOtherKeysAsBefore) {
    struct Case {
        const char* what;
        Qt::Key key;
        bool autoRepeat;
        int clicks;
    };
    const Case cases[] = {
        {"Return", Qt::Key_Return, false, 1},
        {"keypad Enter", Qt::Key_Enter, false, 1},
        {"Return held down", Qt::Key_Return, true, 0},
        {"a letter", Qt::Key_A, false, 0},
    };
    for (const Case& c : cases) {
        platform::CommandButton button;
        int clicks = 0;
        QObject::connect(&button, &platform::CommandButton::Click, [&clicks] { ++clicks; });
        QKeyEvent key(QEvent::KeyPress, c.key, Qt::NoModifier, QString(), c.autoRepeat);
        QCoreApplication::sendEvent(&button, &key);
        EXPECT_EQ(clicks, c.clicks) << c.what;
    }
}

}  // namespace
