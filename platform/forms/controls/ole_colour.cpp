#include "platform/forms/controls/ole_colour.h"

#include "platform/forms/controls/system_colours.h"

namespace platform {

QColor OleToQColor(quint32 ole) {
    const quint32 bgr = (ole & 0x80000000u) ? SystemColour(static_cast<int>(ole & 0xFF)) : ole;
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

}  // namespace platform
