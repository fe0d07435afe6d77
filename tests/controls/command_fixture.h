#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QWidget>
#include <memory>

#include "controls/Command/Command.h"

namespace controls::testing {

// A Command whose interaction flags a test can set directly.
class CommandProbe : public Command {
public:
    using Command::Command;
    void ShowFlags(bool pressed, bool hover) {
        g_Pressed = pressed;
        g_Hover = hover;
        Refresh();
    }
};

// A strip of `frames` solid frames, frameWidth x height pixels each, frame k
// in FrameColour(k).
QImage SolidStrip(int frames, int frameWidth, int height);
QColor FrameColour(int frame);

// A CommandProbe inside a shown window, loaded from an empty bag and then
// given the strip and Enabled True through its properties.
struct CommandOnWindow {
    explicit CommandOnWindow(const QImage& strip);
    std::unique_ptr<QWidget> window;
    CommandProbe* command;
};

// The pixels of the control's face as the window shows them.
QImage Face(const Command& command);

}  // namespace controls::testing
