#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/window_pictures/pictures.h"

namespace pictures {

QImage HandPointer() {
    // A pointing hand whose fingertip lies in the top-left corner, where the
    // pointer's hot spot is.
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(0.5, 0.5, 6, 16), 3, 3);
    hand.addRoundedRect(QRectF(6, 7.5, 5, 9), 2.5, 2.5);
    hand.addRoundedRect(QRectF(10.5, 8.5, 5, 8), 2.5, 2.5);
    hand.addRoundedRect(QRectF(15, 9.5, 5, 8), 2.5, 2.5);
    hand.addRoundedRect(QRectF(0.5, 12.5, 19.5, 12), 5, 5);
    hand.setFillRule(Qt::WindingFill);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(hand.simplified());
    return image;
}

QImage ProgramIcon() {
    // The title bar's mark: a rising chart line in a rounded square.
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x12, 0x3F, 0x78), 1));
    p.setBrush(QColor(0xF5, 0xA6, 0x23));
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    QPainterPath chart;
    chart.moveTo(6, 24);
    chart.lineTo(12, 15);
    chart.lineTo(18, 19);
    chart.lineTo(26, 7);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(chart);
    return image;
}

QImage PromptIcon() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient face(QPointF(12, 10), 20);
    face.setColorAt(0, QColor(0x7F, 0xBC, 0xF5));
    face.setColorAt(1, QColor(0x1B, 0x57, 0xA3));
    p.setPen(QPen(QColor(0x12, 0x3F, 0x78), 1));
    p.setBrush(face);
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    // An "i": a dot over a bar.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(13.5, 6.5, 5, 5));
    p.drawRoundedRect(QRectF(13.5, 13.5, 5, 12), 1.5, 1.5);
    return image;
}

}  // namespace pictures
