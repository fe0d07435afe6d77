#pragma once

#include <QString>
#include <Qt>
#include <cstdint>

namespace platform::controlhost {

// Mouse buttons as the handlers get them: 1 left, 2 right, 4 middle; 0 for
// any other button.
std::int16_t ButtonOf(Qt::MouseButton button);
// The sum of the held buttons (the Button of a mouse move).
std::int16_t ButtonsOf(Qt::MouseButtons buttons);
// 1 Shift, 2 Ctrl, 4 Alt, added up.
std::int16_t ShiftOf(Qt::KeyboardModifiers modifiers);
// The virtual key code of a Qt key: 13 Enter, 27 Esc, 32 Space, 65..90 the
// letters, 48..57 the digits, 112.. F1 and so on; 0 for a key without one.
std::int16_t KeyCodeOf(int qtKey);
// The character code of a typed text: its code in the ANSI code page, a
// double-byte character as a 16-bit value; 0 when nothing was typed.
std::int16_t KeyAsciiOf(const QString& text);

}  // namespace platform::controlhost
