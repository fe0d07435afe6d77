#pragma once

#include <QImage>

#include "platform/raster/gdi_types.h"

namespace platform::raster {

// Icons: an image with transparency (its alpha channel). Counted; free with
// DestroyIcon.
HICON CreateIconFromImage(const QImage& image);
bool DestroyIcon(HICON icon);

// A copy of the icon's image in Format_ARGB32 (null for an unknown handle).
QImage IconToImage(HICON icon);
int IconWidth(HICON icon);
int IconHeight(HICON icon);

}  // namespace platform::raster
