#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMetaObject>
#include <functional>
#include <ostream>
#include <vector>

#include "button_probe_fixture.h"
#include "platform/controlhost/pointer_capture.h"
#include "platform/controlhost/scale_units.h"

namespace {

using controls::interaction::ButtonEventNumbers;
using controls::interaction::kCommandEvents;
using controls::interaction::kXPCommandEvents;
using controls::testing::ProbeWindow;
using platform::controlhost::vbPixels;
using platform::controlhost::vbTwips;

// One step of a scenario, driven straight into the handlers. Coordinates are
// pixels of the 20 x 10 probe (converted to its scale units).
struct Step {
    enum Op {
        Down,
        Up,
        Move,
        Dbl,
        KeyDown,
        KeyUp,
        KeyPress,
        Access,
        FocusIn,
        FocusOut,
        TickOnProbe,
        TickOnChild,
        TickOutside,
        Disable
    } op;
    int a = 0;  // button, key code or key ascii
    float x = 0;
    float y = 0;
    int shift = 0;
};

struct Scenario {
    const char* name;
    std::vector<Step> steps;
    const char* expected;  // the log, entries joined by " | "
};

Step down(int button, float x, float y, int shift = 0) {
    return {Step::Down, button, x, y, shift};
}
Step up(int button, float x, float y) {
    return {Step::Up, button, x, y};
}
Step move(float x, float y, int shift = 0) {
    return {Step::Move, 0, x, y, shift};
}
Step key(Step::Op op, int code) {
    return {op, code};
}
Step op(Step::Op op) {
    return {op};
}

void Drive(ProbeWindow& w, const Step& step) {
    auto& probe = w.probe();
    std::int16_t a = static_cast<std::int16_t>(step.a);
    std::int16_t shift = static_cast<std::int16_t>(step.shift);
    std::int16_t zero = 0;
    float x = step.x * w.Unit();
    float y = step.y * w.Unit();
    switch (step.op) {
        case Step::Down:
            probe.UserControl_MouseDown(a, shift, x, y);
            break;
        case Step::Up:
            probe.UserControl_MouseUp(a, shift, x, y);
            break;
        case Step::Move:
            probe.UserControl_MouseMove(zero, shift, x, y);
            break;
        case Step::Dbl:
            probe.UserControl_DblClick();
            break;
        case Step::KeyDown:
            probe.UserControl_KeyDown(a, zero);
            break;
        case Step::KeyUp:
            probe.UserControl_KeyUp(a, zero);
            break;
        case Step::KeyPress:
            probe.UserControl_KeyPress(a);
            break;
        case Step::Access:
            probe.UserControl_AccessKeyPress(a);
            break;
        case Step::FocusIn:
            probe.UserControl_EnterFocus();
            break;
        case Step::FocusOut:
            probe.UserControl_ExitFocus();
            break;
        case Step::TickOnProbe:
            w.PointerOnProbe();
            probe.OverTimer_Timer();
            break;
        case Step::TickOnChild:
            w.PointerOnChild();
            probe.OverTimer_Timer();
            break;
        case Step::TickOutside:
            w.PointerOnWindow();
            probe.OverTimer_Timer();
            break;
        case Step::Disable:
            probe.SetEnabled(false);
            break;
    }
}

const Scenario kScenarios[] = {
    {"LeftClickPaintsReleaseBeforeClick",
     {down(1, 5, 5), up(1, 5, 5)},
     "paint:P | MouseDown 1 0 5 5 | paint:- | Click | MouseUp 1 0 5 5"},
    {"RightClickNeitherPressesNorClicks",
     {down(2, 5, 5), up(2, 5, 5)},
     "MouseDown 2 0 5 5 | MouseUp 2 0 5 5"},
    {"MiddleClickClicksLikeLeft",
     {down(4, 5, 5), up(4, 5, 5)},
     "paint:P | MouseDown 4 0 5 5 | paint:- | Click | MouseUp 4 0 5 5"},
    {"EnteringStartsHoverOnce",
     {move(5, 5, 1), move(6, 5, 1)},
     "MouseIn 1 | paint:H | MouseMove 0 1 5 5 | MouseMove 0 1 6 5"},
    {"MoveOutsideChangesNothing",
     {move(25, 5), move(-1, 5), move(5, 10)},
     "MouseMove 0 0 25 5 | MouseMove 0 0 -1 5 | MouseMove 0 0 5 10"},
    {"TimerKeepsHoverWhilePointerOnControl",
     {move(5, 5), op(Step::TickOnProbe)},
     "MouseIn 0 | paint:H | MouseMove 0 0 5 5"},
    {"PointerOnChildWindowCountsAsOutside",
     {move(5, 5), op(Step::TickOnChild)},
     "MouseIn 0 | paint:H | MouseMove 0 0 5 5 | MouseOut 0 | paint:-"},
    {"DragOutAndBackClicks",
     {move(5, 5), down(1, 5, 5), move(30, 5), op(Step::TickOutside), move(5, 5), up(1, 5, 5)},
     "MouseIn 0 | paint:H | MouseMove 0 0 5 5 | paint:PH | MouseDown 1 0 5 5 | "
     "MouseMove 0 0 30 5 | MouseOut 0 | paint:P | paint:- | MouseIn 0 | paint:PH | "
     "MouseMove 0 0 5 5 | paint:H | Click | MouseUp 1 0 5 5"},
    {"ReleaseOutsideRepaintsWithoutClick",
     {move(5, 5), down(1, 5, 5), op(Step::TickOutside), up(1, 30, 5)},
     "MouseIn 0 | paint:H | MouseMove 0 0 5 5 | paint:PH | MouseDown 1 0 5 5 | "
     "MouseOut 0 | paint:P | paint:- | paint:- | MouseUp 1 0 30 5"},
    {"ReleaseOnEdgePixelIsInsideButNotPastIt",
     {down(1, 19, 9), up(1, 19, 9), down(1, 20, 9), up(1, 20, 9)},
     "paint:P | MouseDown 1 0 19 9 | paint:- | Click | MouseUp 1 0 19 9 | "
     "paint:P | MouseDown 1 0 20 9 | paint:- | MouseUp 1 0 20 9"},
    {"DoubleClickReplaysTheFirstPress",
     {down(1, 5, 5, 1), up(1, 6, 6), op(Step::Dbl), up(1, 7, 7)},
     "paint:P | MouseDown 1 1 5 5 | paint:- | Click | MouseUp 1 0 6 6 | "
     "paint:P | MouseDown 1 1 5 5 | paint:- | Click | MouseUp 1 0 7 7"},
    {"EnterHeldClicksOncePerPress",
     {key(Step::KeyDown, 13), key(Step::KeyDown, 13), key(Step::KeyDown, 13), key(Step::KeyUp, 13),
      key(Step::KeyDown, 13)},
     "Click | KeyDown 13 0 | KeyDown 13 0 | KeyDown 13 0 | KeyUp 13 0 | Click | KeyDown 13 0"},
    {"SpacePressesFromKeyDownToKeyUp",
     {key(Step::KeyDown, 32), key(Step::KeyPress, 32), key(Step::KeyUp, 32)},
     "paint:P | Click | KeyDown 32 0 | KeyPress 32 | paint:- | KeyUp 32 0"},
    {"KeyUpDeliveredElsewhereBlocksTheNextClick",
     {key(Step::KeyDown, 65), key(Step::KeyDown, 13), key(Step::KeyUp, 13), key(Step::KeyDown, 13)},
     "KeyDown 65 0 | KeyDown 13 0 | KeyUp 13 0 | Click | KeyDown 13 0"},
    {"OtherKeysOnlyReportThemselves",
     {key(Step::KeyDown, 65), key(Step::KeyPress, 97), key(Step::KeyUp, 65)},
     "KeyDown 65 0 | KeyPress 97 | KeyUp 65 0"},
    {"AccessKeysClickOnlyWhileEnabled",
     {key(Step::Access, 13), key(Step::Access, 27), key(Step::Access, 32), key(Step::Access, 65),
      op(Step::Disable), key(Step::Access, 13), key(Step::Access, 27)},
     "Click | Click"},
    {"MouseOutCarriesTheLastPressShift",
     {move(5, 5, 1), op(Step::TickOutside), down(2, 5, 5, 4), move(5, 5, 2), op(Step::TickOutside)},
     "MouseIn 1 | paint:H | MouseMove 0 1 5 5 | MouseOut 0 | paint:- | MouseDown 2 4 5 5 | "
     "MouseIn 2 | paint:H | MouseMove 0 2 5 5 | MouseOut 4 | paint:-"},
    {"FocusLossReleasesThePress",
     {op(Step::FocusIn), down(1, 5, 5), op(Step::FocusOut), up(1, 5, 5)},
     "paint:- | paint:P | MouseDown 1 0 5 5 | paint:- | paint:- | Click | MouseUp 1 0 5 5"},
};

// Every scenario runs on a control with Command's event numbers and twips
// and on one with XPCommand's numbers and pixels: the log names the events,
// so both must give the same log.
struct Variant {
    const char* name;
    ButtonEventNumbers events;
    std::int16_t scaleMode;
};
const Variant kVariants[] = {{"Command", kCommandEvents, vbTwips},
                             {"XPCommand", kXPCommandEvents, vbPixels}};

void PrintTo(const Variant& variant, std::ostream* out) {
    *out << variant.name;
}
void PrintTo(const Scenario& scenario, std::ostream* out) {
    *out << scenario.name;
}

class ButtonInteraction : public ::testing::TestWithParam<std::tuple<Variant, Scenario>> {};

TEST_P(ButtonInteraction, RaisesEventsAndRepaintsInOrder) {
    const auto& [variant, scenario] = GetParam();
    ProbeWindow w(variant.events, variant.scaleMode);
    for (const Step& step : scenario.steps) Drive(w, step);
    EXPECT_EQ(w.probe().log.join(QStringLiteral(" | ")).toStdString(), scenario.expected);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ButtonInteraction,
                         ::testing::Combine(::testing::ValuesIn(kVariants),
                                            ::testing::ValuesIn(kScenarios)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

TEST(ButtonEventNumbers, FollowEachControlsDeclarationOrder) {
    const ProbeWindow command(kCommandEvents, vbTwips);
    const ProbeWindow xp(kXPCommandEvents, vbPixels);
    const char* commandOrder[] = {"Click",    "MouseDown", "MouseMove", "MouseUp", "MouseIn",
                                  "MouseOut", "KeyDown",   "KeyPress",  "KeyUp"};
    const char* xpOrder[] = {"Click",     "KeyDown", "KeyPress", "KeyUp",   "MouseDown",
                             "MouseMove", "MouseUp", "MouseIn",  "MouseOut"};
    for (int number = 1; number <= 9; ++number) {
        EXPECT_EQ(const_cast<ProbeWindow&>(command).probe().NameOf(number).toStdString(),
                  commandOrder[number - 1]);
        EXPECT_EQ(const_cast<ProbeWindow&>(xp).probe().NameOf(number).toStdString(),
                  xpOrder[number - 1]);
    }
}

TEST(ButtonState, RightPressIsRememberedAsLastButton) {
    ProbeWindow w(kCommandEvents, vbTwips);
    Drive(w, down(2, 3, 4, 2));
    const controls::interaction::ButtonFlags flags = w.probe().Flags();
    EXPECT_EQ(flags.g_LastButton, 2);
    EXPECT_EQ(flags.g_LastShift, 2);
    EXPECT_FLOAT_EQ(flags.g_LastX, 45);  // twips
    EXPECT_FLOAT_EQ(flags.g_LastY, 60);
    EXPECT_FALSE(flags.g_Pressed);
}

TEST(ButtonState, HoverTimerRunsExactlyWhileHovering) {
    ProbeWindow w(kXPCommandEvents, vbPixels);
    auto& probe = w.probe();
    EXPECT_FALSE(probe.Flags().g_Hover);
    Drive(w, move(5, 5));
    EXPECT_TRUE(probe.Flags().g_Hover);
    Drive(w, op(Step::TickOutside));
    EXPECT_FALSE(probe.Flags().g_Hover);
}

TEST(ButtonState, HoverEndsWithinTheTimerIntervalOfLeaving) {
    ProbeWindow w(kXPCommandEvents, vbPixels);
    w.RunHoverTimer();
    EXPECT_EQ(w.probe().OverTimer.Interval(), 10);
    w.PointerOnProbe();
    Drive(w, move(5, 5));
    w.PointerOnWindow();
    QElapsedTimer clock;
    clock.start();
    while (w.probe().Flags().g_Hover && clock.elapsed() < 2000) QCoreApplication::processEvents();
    EXPECT_FALSE(w.probe().Flags().g_Hover);
    EXPECT_TRUE(w.probe().log.contains(QStringLiteral("MouseOut 0")));
}

TEST(ButtonState, ReleaseKeepsKeyHeldOnlyForKeys) {
    ProbeWindow w(kCommandEvents, vbTwips);
    Drive(w, key(Step::KeyDown, 65));
    Drive(w, op(Step::FocusOut));
    EXPECT_TRUE(w.probe().Flags().g_KeyHeld);
    Drive(w, key(Step::KeyUp, 66));
    EXPECT_FALSE(w.probe().Flags().g_KeyHeld);
}

TEST(ButtonState, DoubleClickTakesTheCapture) {
    ProbeWindow w(kCommandEvents, vbTwips);
    platform::controlhost::ReleaseCapture();
    Drive(w, down(1, 5, 5));
    Drive(w, up(1, 5, 5));
    Drive(w, op(Step::Dbl));
    EXPECT_EQ(platform::controlhost::GetCapture(), w.probe().hWnd());
    platform::controlhost::ReleaseCapture();
}

TEST(ButtonEvents, HandlersChangeArgumentsByReference) {
    ProbeWindow w(kCommandEvents, vbTwips);
    auto& probe = w.probe();
    probe.SetEventHandler(
        kCommandEvents.MouseOut,
        [](const platform::controlhost::EventArgs& args) { args.Integer(0) = 7; });
    Drive(w, move(5, 5));
    Drive(w, op(Step::TickOutside));
    EXPECT_EQ(probe.Flags().g_LastShift, 7);
}

TEST(ButtonEvents, PendingEventsRunWhenThePointerEnters) {
    ProbeWindow w(kXPCommandEvents, vbPixels);
    auto& probe = w.probe();
    QMetaObject::invokeMethod(
        &probe, [&probe] { probe.log.append(QStringLiteral("queued")); }, Qt::QueuedConnection);
    Drive(w, move(5, 5));
    EXPECT_EQ(probe.log.join(QStringLiteral(" | ")).toStdString(),
              "MouseIn 0 | paint:H | queued | MouseMove 0 0 5 5");
}

TEST(ButtonEvents, ControlDestroyedByItsClickHandlerStopsQuietly) {
    ProbeWindow w(kCommandEvents, vbTwips);
    auto* probe = &w.probe();
    QStringList after;
    probe->SetEventHandler(kCommandEvents.Click, [probe, &after](const auto&) {
        after.append(QStringLiteral("Click"));
        delete probe;
    });
    Drive(w, down(1, 5, 5));
    std::int16_t button = 1, shift = 0;
    float x = 75, y = 75;
    probe->UserControl_MouseUp(button, shift, x, y);
    EXPECT_EQ(after, QStringList{QStringLiteral("Click")});
}

}  // namespace
