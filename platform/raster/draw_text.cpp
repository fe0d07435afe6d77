#include "platform/raster/draw_text.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QStringList>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <optional>
#include <vector>

#include "platform/basic/ansi.h"
#include "platform/raster/font.h"
#include "platform/raster/ole_color.h"
#include "platform/raster/pixels.h"
#include "platform/raster/text_prefix.h"
#include "platform/raster/text_stamp.h"

namespace platform::raster {
namespace {

struct Line {
    QString text;
    int width = 0;
};

// For each line, the positions of its characters to underline.
using Underlines = std::vector<std::vector<int>>;

bool IsLeadByte(std::uint8_t byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

// The first `count` bytes, without a double-byte character cut in half.
QByteArray WholeCharacters(const QByteArray& text, int count) {
    const int limit = count < 0 ? int(text.size()) : std::min<int>(count, int(text.size()));
    int end = 0;
    while (end < limit) {
        const int size = IsLeadByte(static_cast<std::uint8_t>(text[end])) ? 2 : 1;
        if (end + size > limit) break;
        end += size;
    }
    return text.left(end);
}

QFont DrawingFont(HFONT handle) {
    QFont font = FontOf(handle);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QString TrimEnd(QString text) {
    while (!text.isEmpty() && text.back().isSpace()) text.chop(1);
    return text;
}

// The places after which a line may break (Unicode rules: after blanks,
// between Chinese characters), the end included.
std::vector<int> BreakPlaces(const QString& paragraph) {
    std::vector<int> places;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, paragraph);
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary())
        places.push_back(int(at));
    if (places.empty() || places.back() != paragraph.size())
        places.push_back(int(paragraph.size()));
    return places;
}

// Breaks one paragraph within `width` pixels, greedily, measuring with the
// same whole-pixel advances as the widths it reports, so that a text drawn in
// the rectangle it was measured to breaks the same way.
void WrapParagraph(const QString& paragraph, const QFontMetrics& metrics, int width,
                   std::vector<Line>& lines) {
    const std::vector<int> places = BreakPlaces(paragraph);
    int start = 0;
    auto next = places.begin();
    while (start < paragraph.size()) {
        int end = *next;  // a first word that does not fit stays whole
        for (auto place = next; place != places.end(); ++place) {
            if (metrics.horizontalAdvance(TrimEnd(paragraph.mid(start, *place - start))) > width)
                break;
            end = *place;
            next = place;
        }
        ++next;
        const QString text = paragraph.mid(start, end - start);
        // Blanks at a break vanish; those at the end of the paragraph still count.
        const QString shown = end == paragraph.size() ? text : TrimEnd(text);
        lines.push_back(Line{shown, metrics.horizontalAdvance(shown)});
        start = end;
    }
}

std::vector<Line> LayOut(const QString& text, const QFont& font, unsigned format, int width) {
    std::vector<Line> lines;
    if (text.isEmpty()) return lines;
    const QFontMetrics metrics(font);
    if (format & DT_SINGLELINE) {
        QString single = text;
        single.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
        lines.push_back(Line{single, metrics.horizontalAdvance(single)});
        return lines;
    }
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& paragraph : normalised.split(QLatin1Char('\n'))) {
        if ((format & DT_WORDBREAK) && !paragraph.isEmpty())
            WrapParagraph(paragraph, metrics, width, lines);
        else
            lines.push_back(Line{paragraph, metrics.horizontalAdvance(paragraph)});
    }
    return lines;
}

// Breaking a text into lines shapes it over and over, and drawing it shapes
// it again, while a button lays out and draws the same caption in the same
// font and width on every repaint; so the last layouts are kept, each with
// its lines as stamps once it has been drawn. The cache is dropped whole
// when it fills up.
struct LayoutKey {
    QString text;
    QFont font;
    unsigned format = 0;
    int width = 0;
    bool operator==(const LayoutKey&) const = default;
};

size_t qHash(const LayoutKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.text, key.font, key.format, key.width);
}

struct Layout {
    std::vector<Line> lines;
    std::optional<std::vector<std::optional<TextStamp>>> stamps;  // made on the first drawing
};

// Only the line flags shape the lines, and the width only when lines wrap: a
// caption measured and then drawn, in any alignment, is laid out once.
Layout& LaidOut(const QString& text, const QFont& font, unsigned format, int width) {
    constexpr qsizetype kKept = 256;
    thread_local QHash<LayoutKey, Layout> cache;
    const unsigned shaping = format & (DT_SINGLELINE | DT_WORDBREAK);
    LayoutKey key{text, font, shaping, shaping == DT_WORDBREAK ? width : 0};
    const auto found = cache.find(key);
    if (found != cache.end()) return *found;
    if (cache.size() >= kKept) cache.clear();
    return *cache.insert(std::move(key), Layout{LayOut(text, font, shaping, width), {}});
}

int LineX(const RECT& rect, int leftMargin, int rightMargin, unsigned format, int width) {
    const int left = rect.left + leftMargin;
    const int right = rect.right - rightMargin;
    if (format & DT_CENTER) return left + (right - left - width) / 2;
    if (format & DT_RIGHT) return right - width;
    return left;
}

int FirstLineY(const RECT& rect, unsigned format, int height) {
    if (!(format & DT_SINGLELINE)) return rect.top;
    if (format & DT_VCENTER) return rect.top + (rect.bottom - rect.top - height) / 2;
    if (format & DT_BOTTOM) return rect.bottom - height;
    return rect.top;
}

detail::PrefixedText ShownText(const QString& text, unsigned format) {
    if (format & DT_NOPREFIX) return {text, {}};
    return detail::StripPrefixes(text);
}

Underlines UnderlinesOf(const detail::PrefixedText& shown, const std::vector<Line>& lines) {
    if (shown.underlined.empty()) return {};
    std::vector<QString> texts;
    for (const Line& line : lines) texts.push_back(line.text);
    return detail::UnderlinedByLine(shown, texts);
}

// The underline of character `at` of a line drawn from x on the baseline.
void Underline(QPainter& painter, const QFontMetrics& metrics, const QString& text, int at, int x,
               int baseline) {
    const int left = x + metrics.horizontalAdvance(text.left(at));
    const int right = x + metrics.horizontalAdvance(text.left(at + 1));
    painter.fillRect(QRect(left, baseline + metrics.underlinePos(), right - left,
                           std::max(1, metrics.lineWidth())),
                     painter.pen().color());
}

void Paint(QPaintDevice* device, const std::vector<Line>& lines, const Underlines& underlines,
           const QFont& font, const QColor& colour, const RECT& rect, const DRAWTEXTPARAMS& params,
           unsigned format) {
    const QFontMetrics metrics(font);
    QPainter painter(device);
    painter.setClipRect(
        QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1)));
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(colour);
    int y = FirstLineY(rect, format, metrics.height() * int(lines.size()));
    for (size_t n = 0; n < lines.size(); ++n) {
        const Line& line = lines[n];
        const int x = LineX(rect, params.iLeftMargin, params.iRightMargin, format, line.width);
        painter.drawText(QPoint(x, y + metrics.ascent()), line.text);
        if (n < underlines.size())
            for (int at : underlines[n])
                Underline(painter, metrics, line.text, at, x, y + metrics.ascent());
        y += metrics.height();
    }
}

// Puts the lines where Paint draws them, as stamps; false, with nothing
// drawn, when a line has no stamp or the rectangle clips everything away.
bool Stamp(QImage& image, Layout& layout, const QFont& font, COLORREF colour, const RECT& rect,
           const DRAWTEXTPARAMS& params, unsigned format) {
    const QRect clip(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
    if (clip.isEmpty()) return false;
    if (!layout.stamps) {
        layout.stamps.emplace();
        for (const Line& line : layout.lines)
            layout.stamps->push_back(TextStamp::Make(line.text, font));
    }
    for (const std::optional<TextStamp>& stamp : *layout.stamps)
        if (!stamp) return false;
    const int lineHeight = QFontMetrics(font).height();
    int y = FirstLineY(rect, format, lineHeight * int(layout.lines.size()));
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        const int x =
            LineX(rect, params.iLeftMargin, params.iRightMargin, format, layout.lines[i].width);
        (*layout.stamps)[i]->Put(image, x, y, clip, colour);
        y += lineHeight;
    }
    return true;
}

// Monochrome bitmaps get the text through a transparent sheet.
void PaintMono(const detail::Target& target, const std::vector<Line>& lines,
               const Underlines& underlines, const QFont& font, COLORREF colour, const RECT& rect,
               const DRAWTEXTPARAMS& params, unsigned format) {
    QImage sheet(target.width(), target.height(), QImage::Format_ARGB32);
    sheet.fill(Qt::transparent);
    Paint(&sheet, lines, underlines, font, Qt::black, rect, params, format);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            if (qAlpha(sheet.pixel(x, y))) detail::PutPixel(target, x, y, colour);
}

}  // namespace

int DrawTextExA(HDC dc, const QByteArray& text, int count, RECT* rect, unsigned format,
                DRAWTEXTPARAMS* params) {
    detail::DcObject* object = detail::FindDc(dc);
    if (!object || !rect) return 0;
    const DRAWTEXTPARAMS margins = params ? *params : DRAWTEXTPARAMS{};
    const QByteArray bytes = WholeCharacters(text, count);
    if (params) params->uiLengthDrawn = static_cast<unsigned>(bytes.size());
    const QFont font = DrawingFont(object->font);
    const int width = rect->right - rect->left - margins.iLeftMargin - margins.iRightMargin;
    const detail::PrefixedText shown = ShownText(basic::FromAnsi(bytes), format);
    Layout& layout = LaidOut(shown.text, font, format, width);
    const std::vector<Line>& lines = layout.lines;
    const int height = QFontMetrics(font).height() * int(lines.size());
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const Line& line : lines) widest = std::max(widest, line.width);
        rect->right = rect->left + widest + margins.iLeftMargin + margins.iRightMargin;
        rect->bottom = rect->top + height;
        return height;
    }
    const detail::Target target = detail::TargetOf(*object);
    if (!target || lines.empty()) return height;
    const Underlines underlines = UnderlinesOf(shown, lines);
    if (target.mono)
        PaintMono(target, lines, underlines, font, object->textColor, *rect, margins, format);
    // Stamps hold the glyphs only: a line with an access-key underline is drawn in full.
    else if (!underlines.empty() ||
             !Stamp(*target.image, layout, font, object->textColor, *rect, margins, format))
        Paint(target.image, lines, underlines, font, ToQColor(object->textColor), *rect, margins,
              format);
    return height;
}

}  // namespace platform::raster
