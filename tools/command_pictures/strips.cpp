#include <QLinearGradient>
#include <QPainter>

#include "pictures.h"

namespace {

constexpr int kHeight = 17;

enum class Look { Normal, Hover, Pressed };

struct Face {
    QColor top;
    QColor bottom;
    QColor border;  // invalid: no border
    QColor glyph;
};

// The strips sit on a light blue title bar; the close button turns red
// under the pointer.
Face FaceOf(Look look, Glyph glyph) {
    switch (look) {
        case Look::Normal:
            return {QColor(196, 220, 247), QColor(150, 188, 234), QColor(), QColor(38, 66, 112)};
        case Look::Hover:
            if (glyph == Glyph::Close)
                return {QColor(238, 102, 86), QColor(202, 46, 34), QColor(150, 30, 24),
                        QColor(255, 255, 255)};
            return {QColor(222, 237, 253), QColor(176, 208, 246), QColor(96, 136, 196),
                    QColor(28, 52, 96)};
        case Look::Pressed:
            return {QColor(118, 158, 214), QColor(152, 188, 232), QColor(70, 108, 168),
                    QColor(20, 40, 80)};
    }
    return {};
}

void DrawGlyph(QPainter& painter, Glyph glyph, QRect area, QColor colour) {
    const QPoint c = area.center();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    switch (glyph) {
        case Glyph::Minimise:
            painter.drawRect(c.x() - 4, c.y() + 3, 9, 2);
            break;
        case Glyph::Maximise:
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(colour, 1));
            painter.drawRect(c.x() - 4, c.y() - 4, 8, 7);
            painter.drawLine(c.x() - 4, c.y() - 3, c.x() + 4, c.y() - 3);
            break;
        case Glyph::Close:
            painter.setPen(QPen(colour, 2));
            painter.drawLine(c.x() - 3, c.y() - 3, c.x() + 3, c.y() + 3);
            painter.drawLine(c.x() - 3, c.y() + 3, c.x() + 3, c.y() - 3);
            break;
    }
}

void DrawFrame(QPainter& painter, int left, int width, Look look, Glyph glyph) {
    const Face face = FaceOf(look, glyph);
    const QRect area(left, 0, width, kHeight);
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, face.top);
    gradient.setColorAt(1, face.bottom);
    painter.fillRect(area, gradient);
    if (face.border.isValid()) {
        painter.setPen(face.border);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }
    const QRect glyphArea = look == Look::Pressed ? area.translated(1, 1) : area;
    DrawGlyph(painter, glyph, glyphArea, face.glyph);
}

}  // namespace

QImage DrawStrip(int frameWidth, Glyph glyph, FourthFrame fourth) {
    QImage strip(frameWidth * 4, kHeight, QImage::Format_RGB888);
    QPainter painter(&strip);
    const Look fourthLook = fourth == FourthFrame::Pressed ? Look::Pressed : Look::Hover;
    const Look looks[] = {Look::Normal, Look::Hover, Look::Pressed, fourthLook};
    for (int frame = 0; frame < 4; ++frame)
        DrawFrame(painter, frame * frameWidth, frameWidth, looks[frame], glyph);
    return strip;
}
