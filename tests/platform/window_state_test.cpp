#include <gtest/gtest.h>

#include <QWidget>

#include "platform/windows/window_state.h"

namespace {

using platform::windows::KeepReportedStateOnShow;

TEST(KeepReportedStateOnShow, LeavesStateAndVisibilityAsTheyAre) {
    struct Case {
        const char* what;
        Qt::WindowStates state;
        bool visible;
    };
    const Case cases[] = {
        {"hidden normal", Qt::WindowNoState, false},
        {"hidden maximised", Qt::WindowMaximized, false},
        {"hidden minimised", Qt::WindowMinimized, false},
        {"shown normal", Qt::WindowNoState, true},
    };
    for (const Case& c : cases) {
        QWidget window;
        auto* control = new QWidget(&window);
        window.setWindowState(c.state);
        window.setVisible(c.visible);
        KeepReportedStateOnShow(control);
        EXPECT_EQ(window.windowState(), c.state) << c.what;
        EXPECT_EQ(window.isVisible(), c.visible) << c.what;
    }
}

}  // namespace
