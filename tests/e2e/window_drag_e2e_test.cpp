#include <gtest/gtest.h>

#include <string>

#include "app/Frmmain/Frmmain.h"
#include "app/Module/Module.h"
#include "desktop_fixture.h"
#include "platform/forms/forms_collection.h"

namespace {

using desktop::WaitUntil;

std::string text(const QPoint& point) {
    return std::to_string(point.x()) + "," + std::to_string(point.y());
}

void pointerTo(const QPoint& where) {
    desktop::Run("xdotool", {"mousemove", QString::number(where.x()), QString::number(where.y())});
}

// Dragging the borderless main window by an empty spot of its own surface,
// with each button: the window goes where the pointer went while the button
// was held and stays there once it is released.
TEST(WindowDragOnTheDesktop, WindowStopsWithTheReleaseOfTheButtonThatDraggedIt) {
    const auto oldQuit = platform::forms::SetQuitHandler([] {});
    Frmmain& window = platform::forms::Default<Frmmain>();
    window.Show();
    ASSERT_TRUE(WaitUntil([&] { return desktop::IsViewable(window.winId()); }));
    for (const int button : {1, 2, 3}) {
        const QPoint before = desktop::ScreenRect(window.winId()).topLeft();
        // Above the category buttons, left of the title: the window's own surface.
        const QPoint grip = before + QPoint(200, 15);
        pointerTo(grip);
        WaitUntil([] { return false; }, 300);
        desktop::Run("xdotool", {"mousedown", QString::number(button)});
        WaitUntil([] { return false; }, 300);
        for (int step = 1; step <= 4; ++step) {
            pointerTo(grip + QPoint(15, 10) * step);
            WaitUntil([] { return false; }, 100);
        }
        desktop::Run("xdotool", {"mouseup", QString::number(button)});
        WaitUntil([] { return false; }, 300);
        pointerTo(grip + QPoint(160, 140));
        WaitUntil([] { return false; }, 600);
        EXPECT_EQ(text(desktop::ScreenRect(window.winId()).topLeft()),
                  text(before + QPoint(60, 40)))
            << "dragged with button " << button;
    }
    Module::UnloadAllForms();
    platform::forms::SetQuitHandler(oldQuit);
}

}  // namespace
