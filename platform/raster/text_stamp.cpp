#include "platform/raster/text_stamp.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "platform/raster/pixels.h"

namespace platform::raster {

std::optional<TextStamp> TextStamp::Make(const QString& text, const QFont& font) {
    const QFontMetrics metrics(font);
    // Room for glyphs that reach beyond the line box on any side.
    const int bleed = metrics.height();
    QImage sheet(metrics.horizontalAdvance(text) + 2 * bleed, 3 * metrics.height(),
                 QImage::Format_ARGB32);
    sheet.fill(Qt::transparent);
    {
        QPainter painter(&sheet);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(bleed, bleed + metrics.ascent()), text);
    }
    TextStamp stamp;
    for (int y = 0; y < sheet.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(sheet.constScanLine(y));
        for (int x = 0; x < sheet.width(); ++x) {
            const int alpha = qAlpha(row[x]);
            if (alpha == 0) continue;
            if (alpha != 255) return std::nullopt;
            const int left = x;
            while (x < sheet.width() && qAlpha(row[x]) == 255) ++x;
            if (x < sheet.width() && qAlpha(row[x]) != 0) return std::nullopt;
            stamp.spans_.push_back(Span{y - bleed, left - bleed, x - bleed});
        }
    }
    return stamp;
}

void TextStamp::Put(QImage& image, int x, int y, const QRect& clip, COLORREF colour) const {
    const QRect area = clip.intersected(image.rect());
    const std::uint32_t pixel = detail::ToPixel(colour);
    for (const Span& span : spans_) {
        const int row = y + span.y;
        if (row < area.top() || row > area.bottom()) continue;
        const int left = std::max(x + span.left, area.left());
        const int right = std::min(x + span.right, area.right() + 1);
        if (left >= right) continue;
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(row));
        std::fill(line + left, line + right, pixel);
    }
}

}  // namespace platform::raster
