#include "platform/controlhost/picture_values.h"

#include "platform/controlhost/host_errors.h"

namespace platform::controlhost {

raster::PicturePtr ToPicture(const QVariant& value) {
    if (!value.isValid()) return nullptr;
    if (value.metaType() == QMetaType::fromType<raster::PicturePtr>())
        return value.value<raster::PicturePtr>();
    if (value.typeId() != QMetaType::QString) throw TypeMismatch();
    const QString path = value.toString();
    if (path.isEmpty()) return nullptr;
    raster::PicturePtr picture = raster::LoadPicture(path);
    if (!picture) throw InvalidPicture();
    return picture;
}

QVariant FromPicture(const raster::PicturePtr& picture) {
    return picture ? QVariant::fromValue(picture) : QVariant();
}

}  // namespace platform::controlhost
