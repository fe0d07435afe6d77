#pragma once

#include <QObject>
#include <cstdint>

#include "controls/interaction/button_events.h"
#include "controls/interaction/host_draw_surface.h"
#include "platform/controlhost/control_timer.h"
#include "platform/controlhost/user_control.h"

namespace controls::interaction {

// A copy of a button's interaction state, for whoever wants to look at it.
struct ButtonFlags {
    bool g_HasFocus = false;
    bool g_Pressed = false;
    bool g_Hover = false;
    bool g_KeyHeld = false;
    std::int16_t g_LastButton = 0;
    std::int16_t g_LastShift = 0;
    float g_LastX = 0;
    float g_LastY = 0;
};

// What the three button controls share: focus, press, hover and key state,
// the 10 ms hover timer OverTimer, Click from the mouse, from Enter and Space
// and from the access keys, the double click replayed as a second press, and
// the raising of the events under the control's own numbers. A control
// supplies its Refresh (the whole face from the state) and, when it shows a
// hover picture, the two picture switches.
class ButtonControl : public platform::controlhost::UserControl {
    Q_OBJECT
public:
    ButtonControl(const ButtonEventNumbers& events, QWidget* parent);

    virtual void Refresh() = 0;

    ButtonFlags Flags() const;
    const ButtonEventNumbers& Events() const { return events_; }

    void UserControl_EnterFocus() override;
    void UserControl_ExitFocus() override;
    void UserControl_AccessKeyPress(std::int16_t& KeyAscii) override;
    void UserControl_AmbientChanged(const QString& PropertyName) override;
    void UserControl_MouseDown(std::int16_t& Button, std::int16_t& Shift, float& x,
                               float& y) override;
    void UserControl_MouseMove(std::int16_t& Button, std::int16_t& Shift, float& x,
                               float& y) override;
    void UserControl_MouseUp(std::int16_t& Button, std::int16_t& Shift, float& x,
                             float& y) override;
    void UserControl_DblClick() override;
    void UserControl_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
    void UserControl_KeyPress(std::int16_t& KeyAscii) override;
    void UserControl_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) override;
    void OverTimer_Timer();

    // The control's own surface, as DrawLine draws on it.
    shared::DrawSurface& LineSurface() { return lineSurface_; }

signals:
    // Raised with event 1, after the holder's handler of that number.
    void Click();

protected:
    // Hover pictures: on entering, PictureHover becomes the picture drawn
    // (when there is one); on leaving, the normal picture comes back.
    virtual void ShowHoverPicture() {}
    virtual void ShowNormalPicture() {}

    bool g_HasFocus = false;
    bool g_Pressed = false;
    bool g_Hover = false;
    bool g_KeyHeld = false;
    std::int16_t g_LastButton = 0;
    std::int16_t g_LastShift = 0;
    float g_LastX = 0;
    float g_LastY = 0;

    platform::controlhost::ControlTimer OverTimer;

private:
    bool IsInside(float x, float y) const;
    // Each returns false when the holder's handler destroyed the control.
    [[nodiscard]] bool RaiseClick();

    ButtonEventNumbers events_;
    HostDrawSurface lineSurface_;
};

}  // namespace controls::interaction
