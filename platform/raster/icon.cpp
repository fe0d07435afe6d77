#include "platform/raster/icon.h"

#include "platform/raster/object_table.h"

namespace platform::raster {

using detail::IconObject;

HICON CreateIconFromImage(const QImage& image) {
    if (image.isNull()) return {};
    return HICON{detail::AddObject(IconObject{image.convertToFormat(QImage::Format_ARGB32)})};
}

bool DestroyIcon(HICON icon) {
    if (!detail::Find<IconObject>(icon.id)) return false;
    return detail::RemoveObject(icon.id);
}

QImage IconToImage(HICON icon) {
    const IconObject* object = detail::Find<IconObject>(icon.id);
    return object ? object->image : QImage();
}

int IconWidth(HICON icon) {
    const IconObject* object = detail::Find<IconObject>(icon.id);
    return object ? object->image.width() : 0;
}

int IconHeight(HICON icon) {
    const IconObject* object = detail::Find<IconObject>(icon.id);
    return object ? object->image.height() : 0;
}

}  // namespace platform::raster
