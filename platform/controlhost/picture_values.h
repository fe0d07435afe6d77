#pragma once

#include <QVariant>

#include "platform/raster/picture.h"

namespace platform::controlhost {

// A picture from a stored value: a picture object, or the path of an image
// file or resource (":/images/..."), as the windows' designer data keep it.
// An empty value or an empty text gives no picture; a path that cannot be
// read raises run-time error 481, any other value error 13.
raster::PicturePtr ToPicture(const QVariant& value);

// A picture as a value to store: no picture becomes the empty value, which is
// what the bag's "none" default is.
QVariant FromPicture(const raster::PicturePtr& picture);

}  // namespace platform::controlhost
