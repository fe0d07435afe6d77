#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTest>
#include <functional>
#include <ostream>

#include "command_fixture.h"
#include "platform/forms/designer_loader.h"

namespace {

using controls::testing::CommandOnWindow;
using controls::testing::SolidStrip;

const char* const kNames[] = {"",        "Click",    "MouseDown", "MouseMove", "MouseUp",
                              "MouseIn", "MouseOut", "KeyDown",   "KeyPress",  "KeyUp"};

// Real input on a shown Command: what reaches the holder. Mouse moves are
// left out of the log; mouse events carry their button, shift and x in twips.
struct InputCase {
    const char* name;
    std::function<void(controls::Command&)> input;
    const char* expected;
};

void PrintTo(const InputCase& c, std::ostream* out) {
    *out << c.name;
}

const QPoint kInside(5, 5);

void SendKey(QWidget* widget, QEvent::Type type, int key, const QString& text, bool repeat) {
    QKeyEvent event(type, key, Qt::NoModifier, text, repeat);
    QCoreApplication::sendEvent(widget, &event);
}

const InputCase kInputs[] = {
    {"LeftClick", [](auto& c) { QTest::mouseClick(&c, Qt::LeftButton, {}, kInside); },
     "MouseDown 1 0 75 | Click | MouseUp 1 0 75"},
    {"ShiftRightClick",
     [](auto& c) { QTest::mouseClick(&c, Qt::RightButton, Qt::ShiftModifier, kInside); },
     "MouseDown 2 1 75 | MouseUp 2 1 75"},
    {"DoubleClickGivesTwoClicks",
     [](auto& c) {
         QTest::mousePress(&c, Qt::LeftButton, {}, kInside);
         QTest::mouseRelease(&c, Qt::LeftButton, {}, kInside);
         QTest::mouseDClick(&c, Qt::LeftButton, {}, QPoint(7, 7));
         QTest::mouseRelease(&c, Qt::LeftButton, {}, QPoint(7, 7));
     },
     "MouseDown 1 0 75 | Click | MouseUp 1 0 75 | MouseDown 1 0 75 | Click | MouseUp 1 0 105"},
    {"ReleaseOutside",
     [](auto& c) {
         QTest::mousePress(&c, Qt::LeftButton, {}, kInside);
         QTest::mouseRelease(&c, Qt::LeftButton, {}, QPoint(40, 5));
     },
     "MouseDown 1 0 75 | MouseUp 1 0 600"},
    {"SpaceClicksOnKeyDown",
     [](auto& c) {
         c.setFocus();
         QTest::keyPress(&c, Qt::Key_Space);
         QTest::keyRelease(&c, Qt::Key_Space);
     },
     "Click | KeyDown 32 0 | KeyPress 32 | KeyUp 32 0"},
    {"HeldEnterRepeatsOnlyKeyDown",
     [](auto& c) {
         c.setFocus();
         SendKey(&c, QEvent::KeyPress, Qt::Key_Return, QStringLiteral("\r"), false);
         SendKey(&c, QEvent::KeyRelease, Qt::Key_Return, QStringLiteral("\r"), true);
         SendKey(&c, QEvent::KeyPress, Qt::Key_Return, QStringLiteral("\r"), true);
         SendKey(&c, QEvent::KeyRelease, Qt::Key_Return, QStringLiteral("\r"), false);
     },
     "Click | KeyDown 13 0 | KeyPress 13 | KeyDown 13 0 | KeyPress 13 | KeyUp 13 0"},
    {"DisabledGetsNoInput",
     [](auto& c) {
         c.SetEnabled(false);
         QTest::mouseClick(&c, Qt::LeftButton, {}, kInside);
         QTest::keyClick(&c, Qt::Key_Space);
     },
     ""},
};

class CommandInput : public ::testing::TestWithParam<InputCase> {};

TEST_P(CommandInput, ReachesTheHolderInOrder) {
    CommandOnWindow w(SolidStrip(4, 26, 17));
    QStringList log;
    for (int number = 1; number <= 9; ++number)
        w.command->SetEventHandler(number, [&log, number](const auto& args) {
            if (number == 3) return;
            QStringList entry{QString::fromLatin1(kNames[number])};
            for (int i = 0; i < std::min(args.Count(), 3); ++i)
                entry.append(i < 2 ? QString::number(args.Integer(i))
                                   : QString::number(static_cast<double>(args.Single(i))));
            log.append(entry.join(QLatin1Char(' ')));
        });
    (void)QTest::qWaitForWindowExposed(w.window.get());
    GetParam().input(*w.command);
    log.removeAll(QStringLiteral("MouseIn 0"));
    EXPECT_EQ(log.join(QStringLiteral(" | ")).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Real, CommandInput, ::testing::ValuesIn(kInputs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandInput, WindowsHearTheClickSignal) {
    CommandOnWindow w(SolidStrip(4, 26, 17));
    int clicks = 0;
    ASSERT_TRUE(platform::forms::OnClick(w.command, [&clicks] { ++clicks; }));
    QTest::mouseClick(w.command, Qt::LeftButton, {}, kInside);
    EXPECT_EQ(clicks, 1);
}

TEST(CommandInput, PointerOverShowsHoverUntilItLeaves) {
    CommandOnWindow w(SolidStrip(4, 26, 17));
    (void)QTest::qWaitForWindowExposed(w.window.get());
    QTest::mouseMove(w.command, kInside);
    EXPECT_EQ(controls::testing::Face(*w.command).pixelColor(0, 0),
              controls::testing::FrameColour(1));
    QTest::mouseMove(w.window.get(), QPoint(150, 80));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.command->Flags().g_Hover; }, 2000));
    EXPECT_EQ(controls::testing::Face(*w.command).pixelColor(0, 0),
              controls::testing::FrameColour(0));
}

}  // namespace
