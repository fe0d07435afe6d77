#include <gtest/gtest.h>

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include "platform/windows/window_move.h"
#include "support/row_print.h"

namespace {

// How far the window has come when it gets its styles.
enum class Stage { NoNativeWindow, NativeWindow, Shown };

struct StylesCase {
    const char* name;
    Stage stage;
};

using support::PrintTo;

// Counts the events that tell of a native window taken down.
class TakeDownWatch : public QObject {
public:
    int hides = 0;
    int newNativeWindows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) ++hides;
        if (event->type() == QEvent::WinIdChange) ++newNativeWindows;
        return false;
    }
};

class AppWindowStyles : public ::testing::TestWithParam<StylesCase> {};

// A shown window is neither hidden nor given a new native window: either
// would unmap it while the window manager maps it.
TEST_P(AppWindowStyles, AddsTheMinimiseBoxInPlace) {
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.resize(120, 80);
    const Stage stage = GetParam().stage;
    if (stage == Stage::NativeWindow) window.winId();
    if (stage == Stage::Shown) window.show();
    TakeDownWatch watch;
    window.installEventFilter(&watch);

    platform::windows::AddAppWindowStyles(&window);

    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.windowFlags() & Qt::WindowType_Mask, Qt::Window);
    EXPECT_EQ(window.isVisible(), stage == Stage::Shown);
    if (stage == Stage::NoNativeWindow) return;
    EXPECT_EQ(watch.hides, 0);
    EXPECT_EQ(watch.newNativeWindows, 0);
    ASSERT_NE(window.windowHandle(), nullptr);
    EXPECT_TRUE(window.windowHandle()->flags() & Qt::WindowMinimizeButtonHint);
}

const StylesCase kStages[] = {
    {"NoNativeWindow", Stage::NoNativeWindow},
    {"NativeWindow", Stage::NativeWindow},
    {"Shown", Stage::Shown},
};

INSTANTIATE_TEST_SUITE_P(Stage, AppWindowStyles, ::testing::ValuesIn(kStages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
