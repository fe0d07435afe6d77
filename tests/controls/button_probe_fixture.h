#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "controls/interaction/button_control.h"

namespace controls::testing {

// A button control whose face only records the state it was asked to show,
// so that the interaction can be followed step by step. Every raised event
// and every repaint goes into one log:
//   "paint:PH" (pressed, hover; "paint:-" for neither),
//   "MouseDown 1 0 5 5" (button, shift, x and y in pixels), "MouseIn 1",
//   "MouseOut 0", "KeyDown 13 0", "KeyPress 13", "KeyUp 13 0", "Click".
class ButtonProbe : public interaction::ButtonControl {
public:
    ButtonProbe(const interaction::ButtonEventNumbers& events, std::int16_t scaleMode,
                QWidget* parent);

    using ButtonControl::OverTimer;

    void Refresh() override { log.append(PaintEntry()); }
    QString PaintEntry() const;

    // The log's event name of an event number (empty when unknown).
    QString NameOf(int number) const;

    QStringList log;
};

// A shown window holding a 20 x 10 pixel probe at (10, 10) with a 4 x 4
// child window at its top left, and a way to put the pointer anywhere.
class ProbeWindow {
public:
    ProbeWindow(const interaction::ButtonEventNumbers& events, std::int16_t scaleMode);

    ButtonProbe& probe() { return *probe_; }
    QWidget& child() { return *child_; }
    QWidget& window() { return *window_; }
    // Scale units per pixel of the probe's surface.
    float Unit() const { return unit_; }

    void PointerOnProbe();
    // The steps tick the hover timer by hand; a test of the real timer lets
    // it run again at its own interval.
    void RunHoverTimer();
    void PointerOnChild();
    void PointerOnWindow();

private:
    std::unique_ptr<QWidget> window_;
    ButtonProbe* probe_;
    QWidget* child_;
    float unit_;
    int hoverInterval_;
};

}  // namespace controls::testing
