#include "controls/interaction/button_control.h"

#include <QPointer>

namespace controls::interaction {

using platform::controlhost::EventArgs;

namespace {

constexpr std::int16_t kRightButton = 2;
constexpr std::int16_t kEnter = 13;
constexpr std::int16_t kEscape = 27;
constexpr std::int16_t kSpace = 32;
constexpr int kHoverInterval = 10;

}  // namespace

ButtonControl::ButtonControl(const ButtonEventNumbers& events, QWidget* parent)
    : UserControl(parent), OverTimer(this), events_(events), lineSurface_(*this) {
    OverTimer.SetEnabled(false);
    OverTimer.SetInterval(kHoverInterval);
    OverTimer.OnTimer([this] { OverTimer_Timer(); });
}

ButtonFlags ButtonControl::Flags() const {
    return ButtonFlags{g_HasFocus,   g_Pressed,   g_Hover, g_KeyHeld,
                       g_LastButton, g_LastShift, g_LastX, g_LastY};
}

bool ButtonControl::IsInside(float x, float y) const {
    const auto width = static_cast<float>(ScaleWidth());
    const auto height = static_cast<float>(ScaleHeight());
    return x >= 0 && y >= 0 && x < width && y < height;
}

bool ButtonControl::RaiseClick() {
    if (!RaiseEvent(events_.Click)) return false;
    QPointer<ButtonControl> alive(this);
    emit Click();
    return !alive.isNull();
}

void ButtonControl::UserControl_EnterFocus() {
    g_HasFocus = true;
    Refresh();
}

void ButtonControl::UserControl_ExitFocus() {
    g_HasFocus = false;
    g_Pressed = false;
    Refresh();
}

void ButtonControl::UserControl_AccessKeyPress(std::int16_t& KeyAscii) {
    if (Enabled() && (KeyAscii == kEnter || KeyAscii == kEscape)) (void)RaiseClick();
}

void ButtonControl::UserControl_AmbientChanged(const QString&) {
    Refresh();
}

void ButtonControl::UserControl_MouseDown(std::int16_t& Button, std::int16_t& Shift, float& x,
                                          float& y) {
    g_LastButton = Button;
    g_LastShift = Shift;
    g_LastX = x;
    g_LastY = y;
    if (Button != kRightButton) {
        g_Pressed = true;
        Refresh();
    }
    (void)RaiseEvent(events_.MouseDown, {&Button, &Shift, &x, &y});
}

void ButtonControl::UserControl_MouseMove(std::int16_t& Button, std::int16_t& Shift, float& x,
                                          float& y) {
    if (IsInside(x, y) && !g_Hover) {
        OverTimer.SetEnabled(true);
        g_Hover = true;
        ShowHoverPicture();
        if (!RaiseEvent(events_.MouseIn, {&Shift})) return;
        Refresh();
        // Queued events (clicks of other controls, this timer) run here,
        // before this move's MouseMove.
        QPointer<ButtonControl> alive(this);
        DoEvents();
        if (alive.isNull()) return;
    }
    (void)RaiseEvent(events_.MouseMove, {&Button, &Shift, &x, &y});
}

void ButtonControl::UserControl_MouseUp(std::int16_t& Button, std::int16_t& Shift, float& x,
                                        float& y) {
    g_Pressed = false;
    if (Button != kRightButton) {
        Refresh();
        if (IsInside(x, y) && !RaiseClick()) return;
    }
    (void)RaiseEvent(events_.MouseUp, {&Button, &Shift, &x, &y});
}

void ButtonControl::UserControl_DblClick() {
    platform::controlhost::SetCapture(hWnd());
    UserControl_MouseDown(g_LastButton, g_LastShift, g_LastX, g_LastY);
}

void ButtonControl::UserControl_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
    if (!g_KeyHeld) {
        if (KeyCode == kEnter) {
            if (!RaiseClick()) return;
        } else if (KeyCode == kSpace) {
            g_Pressed = true;
            Refresh();
            if (!RaiseClick()) return;
        }
        g_KeyHeld = true;
    }
    (void)RaiseEvent(events_.KeyDown, {&KeyCode, &Shift});
}

void ButtonControl::UserControl_KeyPress(std::int16_t& KeyAscii) {
    (void)RaiseEvent(events_.KeyPress, {&KeyAscii});
}

void ButtonControl::UserControl_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
    if (KeyCode == kSpace) {
        g_Pressed = false;
        Refresh();
    }
    g_KeyHeld = false;
    (void)RaiseEvent(events_.KeyUp, {&KeyCode, &Shift});
}

void ButtonControl::OverTimer_Timer() {
    const platform::controlhost::HWND under =
        platform::controlhost::WindowFromPoint(platform::controlhost::GetCursorPos());
    if (under == hWnd()) return;
    OverTimer.SetEnabled(false);
    g_Hover = false;
    ShowNormalPicture();
    if (!RaiseEvent(events_.MouseOut, {&g_LastShift})) return;
    Refresh();
    // While a button is held outside, the face shows released, not pressed.
    if (g_Pressed) {
        g_Pressed = false;
        Refresh();
        g_Pressed = true;
    }
}

}  // namespace controls::interaction
