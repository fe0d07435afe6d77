#include "platform/forms/controls/line.h"

#include <QPainter>

namespace platform::forms::controls {

Line::Line(QWidget* parent, QPoint from, QPoint to, const QColor& colour)
    : QWidget(parent), colour_(colour) {
    const QRect box = QRect(from, to).normalized();
    setGeometry(box.adjusted(0, 0, 1, 1));
    from_ = from - box.topLeft();
    to_ = to - box.topLeft();
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(colour_, 1));
    painter.drawLine(from_, to_);
}

}  // namespace platform::forms::controls
