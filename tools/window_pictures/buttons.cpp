#include <QLinearGradient>
#include <QPainter>

#include "tools/window_pictures/pictures.h"

namespace pictures {
namespace {

constexpr int kStripHeight = 17;
enum Look { kNormal, kHover, kPressed };

void titleFace(QPainter& p, const QRect& frame, Look look, bool danger) {
    QLinearGradient fill(0, 0, 0, kStripHeight);
    if (look == kNormal) {
        fill.setColorAt(0, QColor(0x2E, 0x7A, 0xCE));
        fill.setColorAt(1, QColor(0x27, 0x6D, 0xBF));
    } else if (danger) {
        fill.setColorAt(0, look == kHover ? QColor(0xF0, 0x5A, 0x4A) : QColor(0xB8, 0x2A, 0x1E));
        fill.setColorAt(1, look == kHover ? QColor(0xC8, 0x32, 0x24) : QColor(0x96, 0x1E, 0x14));
    } else {
        fill.setColorAt(0, look == kHover ? QColor(0x5C, 0x9E, 0xE6) : QColor(0x17, 0x4C, 0x8E));
        fill.setColorAt(1, look == kHover ? QColor(0x3D, 0x86, 0xD6) : QColor(0x1D, 0x5A, 0xA4));
    }
    p.fillRect(frame, fill);
    if (look != kNormal) {
        p.setPen(look == kHover ? QColor(0xBF, 0xDB, 0xF7) : QColor(0x0E, 0x33, 0x63));
        p.drawRect(frame.adjusted(0, 0, -1, -1));
    }
}

void glyph(QPainter& p, const QRect& frame, int kind, Look look) {
    const QPoint c = frame.center() + (look == kPressed ? QPoint(1, 1) : QPoint());
    p.setPen(QPen(Qt::white, 2));
    p.setRenderHint(QPainter::Antialiasing);
    if (kind == kMinimise) {
        p.drawLine(c + QPoint(-4, 4), c + QPoint(4, 4));
    } else if (kind == kMenu) {
        p.setPen(QPen(Qt::white, 1.5));
        for (int row = -3; row <= 3; row += 3) p.drawLine(c + QPoint(-4, row), c + QPoint(4, row));
    } else {
        p.drawLine(c + QPoint(-4, -4), c + QPoint(4, 4));
        p.drawLine(c + QPoint(-4, 4), c + QPoint(4, -4));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace

QImage TitleButtonStrip(int frameWidth, int kind) {
    QImage image(frameWidth * 4, kStripHeight, QImage::Format_RGB888);
    QPainter p(&image);
    // Normal, hover, pressed; the fourth look repeats the pressed one, or the
    // hover one for the button that has no action.
    const Look looks[4] = {kNormal, kHover, kPressed, kind == kMenu ? kHover : kPressed};
    for (int frame = 0; frame < 4; ++frame) {
        const QRect box(frame * frameWidth, 0, frameWidth, kStripHeight);
        titleFace(p, box, looks[frame], kind == kClose);
        glyph(p, box, kind, looks[frame]);
    }
    return image;
}

}  // namespace pictures
