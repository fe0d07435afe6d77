#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <ostream>

#include "host_fixture.h"

namespace {

using platform::controlhost::testing::HostWindow;
using platform::controlhost::testing::Recorder;

// Real input on the host widget and the calls that reach the control.
struct InputCase {
    const char* name;
    std::function<void(HostWindow&)> input;
    const char* expected;
};

void PrintTo(const InputCase& c, std::ostream* out) {
    *out << c.name;
}

void Key(QWidget* widget, QEvent::Type type, int key, const char* text, bool repeat) {
    QKeyEvent event(type, key, Qt::NoModifier, QString::fromLatin1(text), repeat);
    QCoreApplication::sendEvent(widget, &event);
}

const InputCase kInputs[] = {
    {"PressInTwips",
     [](HostWindow& w) { QTest::mouseClick(w.control, Qt::LeftButton, {}, QPoint(5, 3)); },
     "EnterFocus | MouseDown 1 0 75 45 | MouseUp 1 0 75 45"},
    {"PressInPixels",
     [](HostWindow& w) {
         w.control->SetScaleMode(platform::controlhost::vbPixels);
         QTest::mouseClick(w.control, Qt::LeftButton, {}, QPoint(5, 3));
     },
     "EnterFocus | MouseDown 1 0 5 3 | MouseUp 1 0 5 3"},
    {"ShiftCtrlAltAddUp",
     [](HostWindow& w) {
         QTest::mouseClick(w.control, Qt::MiddleButton,
                           Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier,
                           QPoint(19, 1));
     },
     "EnterFocus | MouseDown 4 7 285 15 | MouseUp 4 7 285 15"},
    {"MoveCarriesTheHeldButtons",
     [](HostWindow& w) {
         QTest::mousePress(w.control, Qt::RightButton, {}, QPoint(1, 1));
         QTest::mouseMove(w.control, QPoint(2, 1));
         QTest::mouseRelease(w.control, Qt::RightButton, {}, QPoint(2, 1));
     },
     "EnterFocus | MouseDown 2 0 15 15 | MouseMove 2 0 30 15 | MouseUp 2 0 30 15"},
    {"LeftDoubleClickReportsTheSecondPress",
     [](HostWindow& w) {
         QTest::mousePress(w.control, Qt::LeftButton, {}, QPoint(1, 1));
         QTest::mouseRelease(w.control, Qt::LeftButton, {}, QPoint(1, 1));
         QTest::mouseDClick(w.control, Qt::LeftButton, {}, QPoint(2, 2));
         QTest::mouseRelease(w.control, Qt::LeftButton, {}, QPoint(2, 2));
     },
     "EnterFocus | MouseDown 1 0 15 15 | MouseUp 1 0 15 15 | DblClick | MouseUp 1 0 30 30"},
    {"RightDoubleClickPressesAgain",
     [](HostWindow& w) {
         QTest::mouseDClick(w.control, Qt::RightButton, {}, QPoint(2, 2));
         QTest::mouseRelease(w.control, Qt::RightButton, {}, QPoint(2, 2));
     },
     "EnterFocus | MouseDown 2 0 30 30 | MouseUp 2 0 30 30"},
    {"TypedKeys",
     [](HostWindow& w) {
         w.control->setFocus();
         QTest::keyClick(w.control, Qt::Key_Space);
         QTest::keyClick(w.control, Qt::Key_A);
         QTest::keyClick(w.control, Qt::Key_F1);
     },
     "EnterFocus | KeyDown 32 0 | KeyPress 32 | KeyUp 32 0 | KeyDown 65 0 | KeyPress 97 | "
     "KeyUp 65 0 | KeyDown 112 0 | KeyUp 112 0"},
    {"HeldKeyRepeatsOnlyItsKeyDown",
     [](HostWindow& w) {
         w.control->setFocus();
         Key(w.control, QEvent::KeyPress, Qt::Key_Return, "\r", false);
         Key(w.control, QEvent::KeyRelease, Qt::Key_Return, "\r", true);
         Key(w.control, QEvent::KeyPress, Qt::Key_Return, "\r", true);
         Key(w.control, QEvent::KeyRelease, Qt::Key_Return, "\r", false);
     },
     "EnterFocus | KeyDown 13 0 | KeyPress 13 | KeyDown 13 0 | KeyPress 13 | KeyUp 13 0"},
    {"DisabledGetsNothing",
     [](HostWindow& w) {
         w.control->SetEnabled(false);
         QTest::mouseClick(w.control, Qt::LeftButton, {}, QPoint(1, 1));
         QTest::mouseMove(w.control, QPoint(3, 3));
         QTest::keyClick(w.control, Qt::Key_Space);
     },
     ""},
    {"EnterElsewhereReachesTheDefaultControl",
     [](HostWindow& w) {
         auto* edit = new QLineEdit(w.window.get());
         edit->show();
         w.control->SetDefault(true);
         w.control->SetCancel(true);
         edit->setFocus();
         QTest::keyClick(edit, Qt::Key_Return);
         QTest::keyClick(edit, Qt::Key_Escape);
         QTest::keyClick(edit, Qt::Key_Space);
     },
     "AccessKey 13 | AccessKey 27"},
    {"EnterOnTheDefaultControlIsItsOwnKey",
     [](HostWindow& w) {
         w.control->SetDefault(true);
         w.control->setFocus();
         QTest::keyClick(w.control, Qt::Key_Return);
     },
     "EnterFocus | KeyDown 13 0 | KeyPress 13 | KeyUp 13 0"},
};

class HostInput : public ::testing::TestWithParam<InputCase> {};

TEST_P(HostInput, ReachesTheControlInItsUnits) {
    HostWindow w;
    GetParam().input(w);
    w.control->log.removeAll(QStringLiteral("ExitFocus"));
    EXPECT_EQ(w.control->log.join(QStringLiteral(" | ")).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Real, HostInput, ::testing::ValuesIn(kInputs),
                         [](const auto& info) { return std::string(info.param.name); });

// Focus moves with the control's focus calls they give. `other` is a second
// window of the program with a focused edit box.
struct FocusCase {
    const char* name;
    std::function<void(HostWindow&, QWidget& other)> moves;
    const char* expected;
};

void PrintTo(const FocusCase& c, std::ostream* out) {
    *out << c.name;
}

const FocusCase kFocusMoves[] = {
    {"WithinTheWindow", [](HostWindow& w, QWidget&) { w.focusSink->setFocus(); },
     "EnterFocus | ExitFocus"},
    {"ToAnotherWindowOfTheProgram",
     [](HostWindow&, QWidget& other) { QApplication::setActiveWindow(&other); },
     "EnterFocus | ExitFocus"},
    {"AnotherProgramBecomesActive",
     [](HostWindow&, QWidget&) { QApplication::setActiveWindow(nullptr); }, "EnterFocus"},
    {"BackFromAnotherProgram",
     [](HostWindow& w, QWidget&) {
         QApplication::setActiveWindow(nullptr);
         QApplication::setActiveWindow(w.window.get());
     },
     "EnterFocus"},
    {"BackAndOnWithinTheWindow",
     [](HostWindow& w, QWidget&) {
         QApplication::setActiveWindow(nullptr);
         QApplication::setActiveWindow(w.window.get());
         w.focusSink->setFocus();
     },
     "EnterFocus | ExitFocus"},
    {"BackIntoAnotherWindowOfTheProgram",
     [](HostWindow&, QWidget& other) {
         QApplication::setActiveWindow(nullptr);
         QApplication::setActiveWindow(&other);
     },
     "EnterFocus | ExitFocus"},
};

class HostFocus : public ::testing::TestWithParam<FocusCase> {};

TEST_P(HostFocus, OnlyMovesWithinTheProgramReachTheControl) {
    QWidget other;
    auto* edit = new QLineEdit(&other);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    edit->setFocus();
    HostWindow w;
    QApplication::setActiveWindow(w.window.get());
    QCoreApplication::processEvents();
    w.control->setFocus();
    GetParam().moves(w, other);
    EXPECT_EQ(w.control->log.join(QStringLiteral(" | ")).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Moves, HostFocus, ::testing::ValuesIn(kFocusMoves),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HostInput, TheCaptureEndsWithTheButtonRelease) {
    HostWindow w;
    QTest::mousePress(w.control, Qt::LeftButton, {}, QPoint(1, 1));
    platform::controlhost::SetCapture(w.control->hWnd());
    QTest::mouseRelease(w.control, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(platform::controlhost::GetCapture(), 0);
}

}  // namespace
