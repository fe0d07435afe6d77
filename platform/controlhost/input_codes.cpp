#include "platform/controlhost/input_codes.h"

#include <QHash>

#include "platform/basic/ansi.h"

namespace platform::controlhost {

std::int16_t ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

std::int16_t ButtonsOf(Qt::MouseButtons buttons) {
    std::int16_t sum = 0;
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (buttons.testFlag(button)) sum = static_cast<std::int16_t>(sum + ButtonOf(button));
    return sum;
}

std::int16_t ShiftOf(Qt::KeyboardModifiers modifiers) {
    std::int16_t shift = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) shift |= 1;
    if (modifiers.testFlag(Qt::ControlModifier)) shift |= 2;
    if (modifiers.testFlag(Qt::AltModifier)) shift |= 4;
    return shift;
}

std::int16_t KeyCodeOf(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<std::int16_t>(qtKey);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<std::int16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<std::int16_t>(112 + (qtKey - Qt::Key_F1));
    static const QHash<int, std::int16_t> table = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},         {Qt::Key_Backtab, 9},
        {Qt::Key_Return, 13},   {Qt::Key_Enter, 13},      {Qt::Key_Shift, 16},
        {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},        {Qt::Key_Pause, 19},
        {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},     {Qt::Key_Space, 32},
        {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34},   {Qt::Key_End, 35},
        {Qt::Key_Home, 36},     {Qt::Key_Left, 37},       {Qt::Key_Up, 38},
        {Qt::Key_Right, 39},    {Qt::Key_Down, 40},       {Qt::Key_Insert, 45},
        {Qt::Key_Delete, 46},   {Qt::Key_Semicolon, 186}, {Qt::Key_Equal, 187},
        {Qt::Key_Comma, 188},   {Qt::Key_Minus, 189},     {Qt::Key_Period, 190},
        {Qt::Key_Slash, 191},
    };
    return table.value(qtKey, 0);
}

std::int16_t KeyAsciiOf(const QString& text) {
    if (text.isEmpty()) return 0;
    const QByteArray bytes = basic::ToAnsi(text.left(1));
    if (bytes.size() == 1) return static_cast<unsigned char>(bytes[0]);
    if (bytes.size() == 2)
        return static_cast<std::int16_t>((static_cast<unsigned char>(bytes[0]) << 8) |
                                         static_cast<unsigned char>(bytes[1]));
    return 0;
}

}  // namespace platform::controlhost
