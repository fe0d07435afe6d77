#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>

#include "platform/controlhost/user_control.h"

namespace platform::controlhost::testing {

// A user control that writes every call it gets into a log, with mouse
// coordinates in its scale units: "Resize 20x10", "MouseDown 1 0 75 75",
// "DblClick", "KeyDown 32 0", "EnterFocus", "Ambient Font".
class Recorder : public UserControl {
public:
    using UserControl::UserControl;

    void UserControl_Resize() override;
    void UserControl_EnterFocus() override { log.append(QStringLiteral("EnterFocus")); }
    void UserControl_ExitFocus() override { log.append(QStringLiteral("ExitFocus")); }
    void UserControl_AccessKeyPress(std::int16_t& KeyAscii) override;
    void UserControl_AmbientChanged(const QString& PropertyName) override;
    void UserControl_MouseDown(std::int16_t& Button, std::int16_t& Shift, float& x,
                               float& y) override;
    void UserControl_MouseMove(std::int16_t& Button, std::int16_t& Shift, float& x,
                               float& y) override;
    void UserControl_MouseUp(std::int16_t& Button, std::int16_t& Shift, float& x,
                             float& y) override;
    void UserControl_DblClick() override { log.append(QStringLiteral("DblClick")); }
    void UserControl_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
    void UserControl_KeyPress(std::int16_t& KeyAscii) override;
    void UserControl_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) override;

    QStringList log;
};

// A shown 200 x 100 window with a Recorder of 20 x 10 pixels at (30, 40) and
// a focusable widget beside it that holds the focus.
struct HostWindow {
    HostWindow();
    std::unique_ptr<QWidget> window;
    Recorder* control;
    QWidget* focusSink;
};

}  // namespace platform::controlhost::testing
