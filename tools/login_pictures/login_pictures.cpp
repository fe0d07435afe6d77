// Draws the login window's pictures into a folder:
//   background.png  384 x 207: title band with a user icon, thin frame, chart decoration
//   Command1.png    104 x 17: minimise strip (normal, hover, pressed, pressed)
//   Command2.png    100 x 17: maximise strip (normal, hover, pressed, hover)
//   Command3.png    168 x 17: close strip (normal, red hover, pressed, pressed)
//   hand.png        32 x 32: pointing hand of the links
// Usage: login_pictures <folder>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>

namespace {

constexpr int kWidth = 384;
constexpr int kHeight = 207;
constexpr int kBandHeight = 25;
constexpr int kStripTop = 1;  // the title-bar buttons sit one pixel below the top
constexpr int kStripHeight = 17;

const QColor kBody(230, 242, 247);  // the check boxes' background, &H00F7F2E6
const QColor kFrame(64, 112, 168);
const QColor kBandTop(190, 221, 246);
const QColor kBandBottom(122, 174, 228);
const QColor kBandLine(84, 136, 196);
const QColor kGlyph(36, 64, 104);

// The band's gradient for a picture whose top row is row `top` of the window.
QLinearGradient bandGradient(int top = 0) {
    QLinearGradient gradient(0, -top, 0, kBandHeight - 1 - top);
    gradient.setColorAt(0, kBandTop);
    gradient.setColorAt(1, kBandBottom);
    return gradient;
}

void drawUserIcon(QPainter& p, QPointF origin) {
    p.save();
    p.translate(origin);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 80, 130), 1));
    QPainterPath shoulders;
    shoulders.moveTo(1.5, 15.5);
    shoulders.cubicTo(1.5, 9.5, 14.5, 9.5, 14.5, 15.5);
    shoulders.closeSubpath();
    p.setBrush(QColor(70, 130, 200));
    p.drawPath(shoulders);
    p.setBrush(QColor(255, 226, 190));
    p.drawEllipse(QPointF(8, 5.5), 3.5, 3.5);
    p.restore();
}

void drawTitleBand(QPainter& p) {
    p.fillRect(0, 0, kWidth, kBandHeight, bandGradient());
    p.setPen(kBandLine);
    p.drawLine(0, kBandHeight - 1, kWidth - 1, kBandHeight - 1);
    drawUserIcon(p, QPointF(12, 4));
}

void drawGrid(QPainter& p, const QRect& area) {
    p.setPen(QPen(QColor(214, 226, 238), 1, Qt::DotLine));
    for (int y = area.top() + 20; y < area.bottom(); y += 20)
        p.drawLine(area.left() + 1, y, area.right() - 1, y);
    for (int x = area.left() + 22; x < area.right(); x += 22)
        p.drawLine(x, area.top() + 1, x, area.bottom() - 1);
}

// One day: open, close, high and low as heights above the panel's floor.
struct Candle {
    int open, close, high, low;
};

void drawCandles(QPainter& p, const QRect& area) {
    static constexpr Candle kDays[] = {
        {30, 38, 42, 26}, {38, 34, 41, 30}, {34, 46, 50, 32}, {46, 52, 57, 43},
        {52, 47, 55, 44}, {47, 58, 62, 45}, {58, 66, 70, 55}, {66, 61, 69, 57},
        {61, 72, 76, 59}, {72, 80, 85, 70}, {80, 76, 83, 72}, {76, 88, 92, 74},
    };
    const int floor = area.bottom() - 6;
    int x = area.left() + 8;
    QPolygon average;
    for (const Candle& day : kDays) {
        // Rising days are red and falling days green, as on the mainland's markets.
        const QColor colour = day.close >= day.open ? QColor(214, 48, 48) : QColor(28, 150, 70);
        p.setPen(colour);
        p.drawLine(x + 3, floor - day.high, x + 3, floor - day.low);
        const int top = floor - std::max(day.open, day.close);
        const int height = std::max(1, std::abs(day.close - day.open));
        p.fillRect(x + 1, top, 5, height, colour);
        average << QPoint(x + 3, floor - (day.open + day.close) / 2 + 4);
        x += 10;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(240, 150, 30), 1.5));
    p.drawPolyline(average);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void drawChart(QPainter& p) {
    const QRect area(14, 36, 132, 116);
    p.setPen(QColor(168, 196, 222));
    p.setBrush(Qt::white);
    p.drawRect(area);
    drawGrid(p, area);
    drawCandles(p, area);
}

QImage background() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kBody);
    QPainter p(&image);
    drawTitleBand(p);
    drawChart(p);
    p.setPen(QColor(200, 218, 232));
    p.drawLine(153, 36, 153, 196);
    p.setPen(kFrame);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, kWidth - 1, kHeight - 1);
    return image;
}

enum class Look { Normal, Hover, Pressed, HoverRed };

using Glyph = std::function<void(QPainter&, const QRect& face, const QColor& colour)>;

void drawFrame(QPainter& p, const QRect& face, Look look, const Glyph& glyph) {
    QColor glyphColour = kGlyph;
    QRect inner = face.adjusted(1, 1, -2, -2);
    switch (look) {
        case Look::Normal:
            break;
        case Look::Hover:
            p.setPen(kBandLine);
            p.setBrush(QColor(224, 238, 252));
            p.drawRect(inner);
            break;
        case Look::Pressed:
            p.setPen(QColor(56, 104, 164));
            p.setBrush(QColor(150, 190, 232));
            p.drawRect(inner);
            break;
        case Look::HoverRed:
            p.setPen(QColor(170, 30, 30));
            p.setBrush(QColor(224, 67, 67));
            p.drawRect(inner);
            glyphColour = Qt::white;
            break;
    }
    const QRect glyphFace = look == Look::Pressed ? face.translated(1, 1) : face;
    glyph(p, glyphFace, glyphColour);
}

QImage strip(int frameWidth, const Look (&looks)[4], const Glyph& glyph) {
    QImage image(frameWidth * 4, kStripHeight, QImage::Format_RGB32);
    QPainter p(&image);
    // The strips carry the band they sit on, so the buttons blend into it.
    p.fillRect(image.rect(), bandGradient(kStripTop));
    for (int k = 0; k < 4; ++k)
        drawFrame(p, QRect(k * frameWidth, 0, frameWidth, kStripHeight), looks[k], glyph);
    return image;
}

void minimiseGlyph(QPainter& p, const QRect& face, const QColor& colour) {
    const QPoint c = face.center();
    p.fillRect(c.x() - 4, c.y() + 2, 9, 2, colour);
}

void maximiseGlyph(QPainter& p, const QRect& face, const QColor& colour) {
    const QPoint c = face.center();
    p.setPen(colour);
    p.setBrush(Qt::NoBrush);
    p.drawRect(c.x() - 4, c.y() - 4, 8, 7);
    p.drawLine(c.x() - 4, c.y() - 3, c.x() + 4, c.y() - 3);
}

void closeGlyph(QPainter& p, const QRect& face, const QColor& colour) {
    const QPoint c = face.center();
    p.setPen(colour);
    for (int d = 0; d < 2; ++d) {
        p.drawLine(c.x() - 4 + d, c.y() - 4, c.x() + 3 + d, c.y() + 3);
        p.drawLine(c.x() + 3 + d, c.y() - 4, c.x() - 4 + d, c.y() + 3);
    }
}

// The fingertip sits at the top-left corner, where the pointer's hot spot is.
QImage hand() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    shape.addRoundedRect(QRectF(0.5, 0.5, 5, 15), 2.5, 2.5);      // index finger
    shape.addRoundedRect(QRectF(5.5, 7.5, 4, 8), 2, 2);           // middle finger
    shape.addRoundedRect(QRectF(9.5, 8.5, 4, 8), 2, 2);           // ring finger
    shape.addRoundedRect(QRectF(13.5, 9.5, 3.5, 8), 1.75, 1.75);  // little finger
    shape.addRoundedRect(QRectF(0.5, 11.5, 16.5, 11), 4, 4);      // palm
    shape.addRoundedRect(QRectF(0.5, 13.5, 3, 7), 1.5, 1.5);      // thumb along the palm
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(shape.simplified());
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawLine(QPointF(5.5, 12), QPointF(5.5, 15));
    p.drawLine(QPointF(9.5, 12), QPointF(9.5, 15.5));
    p.drawLine(QPointF(13.5, 12.5), QPointF(13.5, 16));
    p.drawLine(QPointF(3.5, 15), QPointF(3.5, 19.5));
    return image;
}

bool save(const QImage& image, const QDir& folder, const char* name) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (image.save(path, "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: login_pictures <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    constexpr Look kMinimise[4] = {Look::Normal, Look::Hover, Look::Pressed, Look::Pressed};
    constexpr Look kMaximise[4] = {Look::Normal, Look::Hover, Look::Pressed, Look::Hover};
    constexpr Look kClose[4] = {Look::Normal, Look::HoverRed, Look::Pressed, Look::Pressed};
    const bool ok = save(background(), folder, "background.png") &&
                    save(strip(26, kMinimise, minimiseGlyph), folder, "Command1.png") &&
                    save(strip(25, kMaximise, maximiseGlyph), folder, "Command2.png") &&
                    save(strip(42, kClose, closeGlyph), folder, "Command3.png") &&
                    save(hand(), folder, "hand.png");
    return ok ? 0 : 1;
}
