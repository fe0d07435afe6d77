#pragma once

class QMouseEvent;

namespace platform {

// The runtime's mouse arguments: Button 1 left, 2 right, 4 middle; Shift 1
// shift, 2 ctrl, 4 alt.
int MouseButtonOf(const QMouseEvent* event);
int ShiftOf(const QMouseEvent* event);

}  // namespace platform
