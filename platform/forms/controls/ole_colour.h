#pragma once

#include <QColor>

namespace platform::forms::controls {

// An OLE colour (&HBBGGRR, or &H800000nn for system colour nn) as a QColor.
QColor OleToQColor(quint32 ole);

}  // namespace platform::forms::controls
