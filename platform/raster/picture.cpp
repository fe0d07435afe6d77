#include "platform/raster/picture.h"

#include <QFileInfo>
#include <QImageReader>

#include "platform/basic/rounding.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/icon.h"
#include "platform/raster/objects.h"

namespace platform::raster {
namespace {

constexpr int kHimetricPerInch = 2540;
constexpr int kPixelsPerInch = 96;

}  // namespace

int PixelsToHimetric(int pixels) {
    return static_cast<int>(
        basic::RoundHalfEven(double(pixels) * kHimetricPerInch / kPixelsPerInch));
}

Picture::~Picture() {
    if (!own_) return;
    if (bitmap_) DeleteObject(bitmap_);
    if (palette_) DeleteObject(palette_);
    if (icon_) DestroyIcon(icon_);
}

PicturePtr Picture::CreateEmpty() {
    return PicturePtr(new Picture());
}

PicturePtr Picture::FromBitmap(HBITMAP bitmap, HPALETTE palette, bool own) {
    if (BitmapWidth(bitmap) == 0) return nullptr;
    PicturePtr picture(new Picture());
    picture->type_ = PictureType::Bitmap;
    picture->bitmap_ = bitmap;
    picture->palette_ = palette;
    picture->own_ = own;
    picture->pixelWidth_ = BitmapWidth(bitmap);
    picture->pixelHeight_ = BitmapHeight(bitmap);
    return picture;
}

PicturePtr Picture::FromIcon(HICON icon, bool own) {
    if (IconWidth(icon) == 0) return nullptr;
    PicturePtr picture(new Picture());
    picture->type_ = PictureType::Icon;
    picture->icon_ = icon;
    picture->own_ = own;
    picture->pixelWidth_ = IconWidth(icon);
    picture->pixelHeight_ = IconHeight(icon);
    return picture;
}

std::uint32_t Picture::Handle() const {
    switch (type_) {
        case PictureType::Bitmap:
            return bitmap_.id;
        case PictureType::Icon:
            return icon_.id;
        default:
            return 0;
    }
}

QImage Picture::ToImage() const {
    switch (type_) {
        case PictureType::Bitmap:
            return BitmapToImage(bitmap_);
        case PictureType::Icon:
            return IconToImage(icon_);
        default:
            return {};
    }
}

PicturePtr OleCreatePictureIndirect(const PICTDESC& description, bool own) {
    if (description.cbSizeofstruct != sizeof(PICTDESC) ||
        description.picType != static_cast<std::uint32_t>(PictureType::Bitmap))
        return nullptr;
    return Picture::FromBitmap(HBITMAP{description.hbitmap}, HPALETTE{description.hpal}, own);
}

PicturePtr PictureFromImage(const QImage& image) {
    if (image.isNull()) return Picture::CreateEmpty();
    return Picture::FromBitmap(CreateBitmapFromImage(image), {}, true);
}

PicturePtr IconPictureFromImage(const QImage& image) {
    if (image.isNull()) return Picture::CreateEmpty();
    return Picture::FromIcon(CreateIconFromImage(image), true);
}

PicturePtr LoadPicture(const QString& path) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) return nullptr;
    if (QFileInfo(path).suffix().compare(QLatin1String("ico"), Qt::CaseInsensitive) == 0)
        return IconPictureFromImage(image);
    return PictureFromImage(image);
}

}  // namespace platform::raster
