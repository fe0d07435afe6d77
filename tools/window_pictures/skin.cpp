#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "tools/window_pictures/pictures.h"

namespace pictures {
namespace {

constexpr int kWidth = 799;
constexpr int kHeight = 462;
constexpr int kTitleBottom = 30;  // the title bar, with Label1 and the title-bar buttons
constexpr int kToolBottom = 64;   // the code box, the evaluate button, the category buttons
constexpr int kStatusTop = 444;   // below the panes
constexpr QRect kPanes(15, 87, 595, 355);
constexpr QRect kAdvert(615, 87, 171, 355);

void band(QPainter& p, int top, int bottom, const QColor& from, const QColor& to) {
    QLinearGradient fill(0, top, 0, bottom);
    fill.setColorAt(0, from);
    fill.setColorAt(1, to);
    p.fillRect(QRect(0, top, kWidth, bottom - top), fill);
}

void logoMark(QPainter& p) {
    // A rising chart line in a rounded square, left of the title text.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xFF, 0xFF, 0xFF), 1));
    p.setBrush(QColor(0xF5, 0xA6, 0x23));
    p.drawRoundedRect(QRectF(12.5, 6.5, 18, 18), 4, 4);
    QPainterPath chart;
    chart.moveTo(15, 21);
    chart.lineTo(19, 15);
    chart.lineTo(23, 18);
    chart.lineTo(28, 10);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(chart);
    p.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace

QImage MainSkin() {
    QImage image(kWidth, kHeight, QImage::Format_RGB888);
    QPainter p(&image);
    band(p, 0, kTitleBottom, QColor(0x2F, 0x7B, 0xCF), QColor(0x1B, 0x57, 0xA3));
    p.setPen(QColor(0x6F, 0xA8, 0xE6));
    p.drawLine(0, 1, kWidth - 1, 1);
    band(p, kTitleBottom, kToolBottom, QColor(0xEE, 0xF5, 0xFC), QColor(0xD3, 0xE5, 0xF6));
    p.setPen(QColor(0x9B, 0xB7, 0xD4));
    p.drawLine(0, kToolBottom - 1, kWidth - 1, kToolBottom - 1);
    p.fillRect(QRect(0, kToolBottom, kWidth, kStatusTop - kToolBottom), QColor(0xF4, 0xF8, 0xFC));
    band(p, kStatusTop, kHeight, QColor(0xDD, 0xEA, 0xF7), QColor(0xC6, 0xDA, 0xEF));
    p.setPen(QColor(0x9B, 0xB7, 0xD4));
    p.drawLine(0, kStatusTop, kWidth - 1, kStatusTop);
    p.drawRect(kPanes.adjusted(-1, -1, 0, 0));
    p.drawRect(kAdvert.adjusted(-1, -1, 0, 0));
    logoMark(p);
    p.setPen(QColor(0x12, 0x3F, 0x78));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, kWidth - 1, kHeight - 1);
    return image;
}

}  // namespace pictures
