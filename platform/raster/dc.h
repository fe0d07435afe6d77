#pragma once

#include "platform/raster/gdi_types.h"

class QImage;

namespace platform::raster {

// Device contexts.
//
// A memory context starts as the platform's does: a 1 x 1 monochrome stock
// bitmap selected, background colour white, text colour black, pen colour
// black, the white stock brush, the default font and the default palette.
//
// A surface context draws straight into a QImage owned by someone else (the
// control host's kept image, a window's background picture). It has the
// display's colour format. The image must outlive the context and must not
// have a QPainter open on it while a raster call runs. It may be replaced or
// resized between calls; an image in a format other than RGB32, ARGB32 or
// ARGB32_Premultiplied is converted to RGB32 in place. Pixels written through
// the context get alpha 255.

// A memory context compatible with `reference` (or with the display when it is
// 0). Counted; free it with DeleteDC.
HDC CreateCompatibleDC(HDC reference);

// A context that draws into `image`; the layer never frees the image. Counted;
// free it with DeleteDC.
HDC CreateImageDC(QImage* image);

// Frees the context. The objects selected into it are not deleted: a bitmap
// selected into it becomes the caller's again. False for an unknown handle.
bool DeleteDC(HDC dc);

// Selecting returns the object that was selected before (0 on failure). A
// bitmap can be selected into one memory context at a time, and never into a
// surface context. Selecting 0 fails.
HBITMAP SelectObject(HDC dc, HBITMAP bitmap);
HBRUSH SelectObject(HDC dc, HBRUSH brush);
HFONT SelectObject(HDC dc, HFONT font);

// The object selected into the context now (0 for a surface context's bitmap).
HBITMAP GetCurrentBitmap(HDC dc);
HFONT GetCurrentFont(HDC dc);
HPALETTE GetCurrentPalette(HDC dc);

// Attributes. Each setter returns the previous value (CLR_INVALID for an
// unknown context).
COLORREF SetBkColor(HDC dc, COLORREF colour);
COLORREF GetBkColor(HDC dc);
COLORREF SetTextColor(HDC dc, COLORREF colour);
COLORREF GetTextColor(HDC dc);
// The pen of lines drawn with LineTo: one pixel wide, solid. The control
// host keeps it equal to the surface's foreground colour.
COLORREF SetDCPenColor(HDC dc, COLORREF colour);
COLORREF GetDCPenColor(HDC dc);

// Moves the current position; the previous one goes to `previous` when given.
bool MoveToEx(HDC dc, int x, int y, POINT* previous);
POINT GetCurrentPosition(HDC dc);

// Size of what the context draws on: its selected bitmap or its image.
int DcWidth(HDC dc);
int DcHeight(HDC dc);
// True when the context draws on a monochrome bitmap.
bool IsMonochromeDC(HDC dc);

}  // namespace platform::raster
