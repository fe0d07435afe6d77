#pragma once

namespace controls::interaction {

// The numbers of a button control's events, in the order the control
// declares them; Click is 1 in every control.
struct ButtonEventNumbers {
    int Click;
    int MouseDown;
    int MouseMove;
    int MouseUp;
    int MouseIn;
    int MouseOut;
    int KeyDown;
    int KeyPress;
    int KeyUp;
};

// Command: Click, its mouse events, MouseIn, MouseOut, then its key events.
inline constexpr ButtonEventNumbers kCommandEvents{1, 2, 3, 4, 5, 6, 7, 8, 9};
// XPCommand and FlatCmd: Click, their key events, their mouse events,
// MouseIn, MouseOut.
inline constexpr ButtonEventNumbers kXPCommandEvents{1, 5, 6, 7, 8, 9, 2, 3, 4};

}  // namespace controls::interaction
