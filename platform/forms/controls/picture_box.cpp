#include "platform/forms/controls/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/controlhost/input_codes.h"

namespace platform::forms::controls {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::SetBackColor(const QColor& colour) {
    back_ = colour;
    update();
}

void PictureBox::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    if (!picture_.isNull()) painter.drawImage(0, 0, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit MouseDown(platform::controlhost::ButtonOf(event->button()),
                   platform::controlhost::ShiftOf(event->modifiers()),
                   static_cast<float>(at.x() * 15), static_cast<float>(at.y() * 15));
}

}  // namespace platform::forms::controls
