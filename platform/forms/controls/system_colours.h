#pragma once

#include <QtGlobal>

namespace platform {

// The system colour table (&H00BBGGRR values) of the desktop scheme the
// windows were designed on; 0 for an unknown index.
quint32 SystemColour(int index);

}  // namespace platform
