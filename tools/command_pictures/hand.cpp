#include <QPainter>
#include <QPainterPath>

#include "pictures.h"

// A white hand with a black outline, the index finger pointing up.
QImage DrawHand() {
    QImage hand(32, 32, QImage::Format_ARGB32);
    hand.fill(Qt::transparent);
    QPainterPath outline;
    outline.moveTo(11.5, 1.5);
    outline.cubicTo(13.5, 0.5, 15.5, 1.5, 15.5, 3.5);
    outline.lineTo(15.5, 11.5);
    outline.cubicTo(17, 10, 19, 10.5, 19.5, 12.5);
    outline.cubicTo(21, 11, 23, 11.5, 23.5, 13.5);
    outline.cubicTo(25, 12.5, 27.5, 13, 27.5, 15.5);
    outline.lineTo(27.5, 22.5);
    outline.cubicTo(27.5, 26, 25.5, 28.5, 23.5, 29.5);
    outline.lineTo(13.5, 29.5);
    outline.cubicTo(11, 27, 8, 23, 5.5, 19.5);
    outline.cubicTo(4, 17.5, 5.5, 15, 8, 16.5);
    outline.lineTo(9.5, 18);
    outline.lineTo(9.5, 3.5);
    outline.cubicTo(9.5, 2.5, 10.5, 1.5, 11.5, 1.5);
    outline.closeSubpath();
    QPainter painter(&hand);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(outline);
    painter.drawLine(QPointF(15.5, 12.5), QPointF(15.5, 18));
    painter.drawLine(QPointF(19.5, 13), QPointF(19.5, 18));
    painter.drawLine(QPointF(23.5, 14), QPointF(23.5, 18));
    return hand;
}
