#pragma once

#include "platform/raster/gdi_types.h"
#include "platform/raster/picture.h"

namespace ImgBlt {

// Copies the w x h rectangle at (x, y) of `hDC` into a new picture that owns
// its bitmap; on a 256-colour palette display the picture also owns a palette
// of the current system palette entries. Nothing is checked: a failing call
// gives an empty or absent picture.
platform::raster::PicturePtr CaptureToPicture(platform::raster::HDC hDC, int x, int y, int w,
                                              int h);

// Wraps a bitmap and a palette (or 0) into a new picture that owns both.
platform::raster::PicturePtr BitmapToPicture(platform::raster::HBITMAP bitmap,
                                             platform::raster::HPALETTE palette);

}  // namespace ImgBlt
