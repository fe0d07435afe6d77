#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

#include "platform/raster/gdi_types.h"

namespace platform::raster {

// One line of text drawn once, without anti-aliasing, and kept as the
// pixels it colours, so that putting it on a colour image at a whole-pixel
// place colours exactly the pixels that drawing it there would, at a
// fraction of the cost of shaping and drawing it again.
class TextStamp {
public:
    // None when a pixel of the text would be only partly covered (a font
    // that ignores the request for no anti-aliasing): drawn text would then
    // blend with what lies under it.
    static std::optional<TextStamp> Make(const QString& text, const QFont& font);

    // Colours the pixels of the text drawn with its line box's top-left
    // corner at (x, y), inside `clip` and the image; the image is 32-bit.
    void Put(QImage& image, int x, int y, const QRect& clip, COLORREF colour) const;

private:
    struct Span {
        int y, left, right;  // [left, right) of one pixel row, from the line box's corner
    };
    std::vector<Span> spans_;
};

}  // namespace platform::raster
