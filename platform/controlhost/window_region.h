#pragma once

#include "platform/controlhost/pointer_capture.h"
#include "platform/raster/gdi_types.h"

namespace platform::controlhost {

// Gives a window the shape of a region (its widget mask); only the region's
// pixels of the window are shown and take the mouse. From a successful call
// on the region belongs to the window: it is deleted when a later call
// replaces it or the window goes away. A region of 0 gives the window its
// whole rectangle back. Returns 0 (the caller keeps the region) for an
// unknown window. `redraw` repaints the window at once.
int SetWindowRgn(HWND hwnd, raster::HRGN region, bool redraw);

}  // namespace platform::controlhost
