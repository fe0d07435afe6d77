#include "strip.h"

namespace {

constexpr int kFrameWidth = 60;
constexpr int kHeight = 26;
constexpr int kFrames = 3;

// A face lit from above: the upper half runs from top to middle, the lower
// half, a shade deeper, from middle to bottom, so the two halves meet in a
// glossy edge.
struct Face {
    QColor top;
    QColor middle;
    QColor lowerTop;
    QColor bottom;
    QColor outline;
    QColor innerEdge;  // invalid: none
};

const Face kHover{QColor(236, 245, 253), QColor(210, 229, 249), QColor(186, 214, 245),
                  QColor(206, 228, 250), QColor(128, 170, 222), QColor(255, 255, 255)};
const Face kPressed{QColor(128, 172, 226), QColor(100, 150, 214), QColor(72, 124, 198),
                    QColor(90, 140, 208),  QColor(24, 48, 92),    QColor()};

int Mix(int from, int to, int step, int steps) {
    return steps == 0 ? from : from + (to - from) * step / steps;
}

QColor Blend(const QColor& from, const QColor& to, int step, int steps) {
    return QColor(Mix(from.red(), to.red(), step, steps),
                  Mix(from.green(), to.green(), step, steps),
                  Mix(from.blue(), to.blue(), step, steps));
}

QColor RowColour(const Face& face, int y) {
    constexpr int half = kHeight / 2;
    if (y < half) return Blend(face.top, face.middle, y, half - 1);
    return Blend(face.lowerTop, face.bottom, y - half, kHeight - half - 1);
}

void Frame(QImage& strip, int left, int width, int top, int height, const QColor& colour) {
    for (int x = left; x < left + width; ++x) {
        strip.setPixelColor(x, top, colour);
        strip.setPixelColor(x, top + height - 1, colour);
    }
    for (int y = top; y < top + height; ++y) {
        strip.setPixelColor(left, y, colour);
        strip.setPixelColor(left + width - 1, y, colour);
    }
}

void DrawFace(QImage& strip, int left, const Face& face) {
    for (int y = 0; y < kHeight; ++y)
        for (int x = left; x < left + kFrameWidth; ++x)
            strip.setPixelColor(x, y, RowColour(face, y));
    Frame(strip, left, kFrameWidth, 0, kHeight, face.outline);
    if (face.innerEdge.isValid())
        Frame(strip, left + 1, kFrameWidth - 2, 1, kHeight - 2, face.innerEdge);
}

}  // namespace

QImage DrawCategoryStrip() {
    QImage strip(kFrameWidth * kFrames, kHeight, QImage::Format_RGB888);
    DrawFace(strip, 0, kHover);
    DrawFace(strip, kFrameWidth, kPressed);
    DrawFace(strip, 2 * kFrameWidth, kPressed);
    return strip;
}

bool HasKeyColour(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == qRgb(255, 0, 255) || pixel == qRgb(25, 50, 255)) return true;
        }
    return false;
}
