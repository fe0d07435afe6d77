#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>

#include "platform/raster/gdi_types.h"

namespace platform::raster {

// The standard OLE picture object. A picture value is a PicturePtr: nullptr
// is "no picture" (Nothing); a Picture of type None is an empty picture (no
// image, 0 x 0). Sharing the pointer shares the object; it is released when
// the last reference goes, and a picture that owns its handles then deletes
// its bitmap and palette (or its icon).
class Picture;
using PicturePtr = std::shared_ptr<Picture>;

enum class PictureType : int { None = 0, Bitmap = 1, Icon = 3 };

// A size in pixels at 96 dots per inch in HIMETRIC units (2540 per inch),
// rounded to the nearest whole number, a tie going to the even neighbour.
int PixelsToHimetric(int pixels);

class Picture {
public:
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // An empty picture: type None, handle 0, 0 x 0.
    static PicturePtr CreateEmpty();
    // A bitmap picture over `bitmap` and `palette` (may be 0); when `own`, they
    // are deleted with the picture. nullptr for an unknown bitmap.
    static PicturePtr FromBitmap(HBITMAP bitmap, HPALETTE palette, bool own);
    // An icon picture over `icon`; when `own`, it is destroyed with the picture.
    static PicturePtr FromIcon(HICON icon, bool own);

    PictureType Type() const { return type_; }
    // The bitmap's or icon's handle id; 0 for an empty picture.
    std::uint32_t Handle() const;
    HBITMAP Bitmap() const { return bitmap_; }
    HICON Icon() const { return icon_; }
    HPALETTE hPal() const { return palette_; }
    // HIMETRIC.
    int Width() const { return PixelsToHimetric(pixelWidth_); }
    int Height() const { return PixelsToHimetric(pixelHeight_); }
    // Pixels.
    int PixelWidth() const { return pixelWidth_; }
    int PixelHeight() const { return pixelHeight_; }

    // The picture's pixels: RGB32 for a bitmap, ARGB32 for an icon, a null image
    // for an empty picture.
    QImage ToImage() const;

private:
    Picture() = default;

    PictureType type_ = PictureType::None;
    HBITMAP bitmap_;
    HPALETTE palette_;
    HICON icon_;
    bool own_ = false;
    int pixelWidth_ = 0;
    int pixelHeight_ = 0;
};

// The record that describes a picture to create: size 20, type 1 (bitmap),
// the bitmap's and the palette's handle ids.
struct PICTDESC {
    std::uint32_t cbSizeofstruct = 20;
    std::uint32_t picType = 1;
    std::uint32_t hbitmap = 0;
    std::uint32_t hpal = 0;
    std::uint32_t reserved = 0;
};

// Wraps the handles of a bitmap record into a new picture; with `own` the
// picture owns them. nullptr for a record of another size or type, or an
// unknown bitmap.
PicturePtr OleCreatePictureIndirect(const PICTDESC& description, bool own);

// A bitmap picture that owns a new bitmap holding `image`; an empty picture
// for a null image.
PicturePtr PictureFromImage(const QImage& image);
// A bitmap picture read from an image file or a resource (":/images/..."), an
// icon picture for ".ico" files; nullptr when it cannot be read.
PicturePtr LoadPicture(const QString& path);
// An icon picture that owns a new icon holding `image` (with its alpha).
PicturePtr IconPictureFromImage(const QImage& image);

}  // namespace platform::raster
