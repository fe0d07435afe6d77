#include "platform/forms/controls/label.h"

#include <QMouseEvent>

#include "platform/controlhost/input_codes.h"

namespace platform::forms::controls {

Label::Label(QWidget* parent) : QLabel(parent) {}

void Label::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit MouseDown(platform::controlhost::ButtonOf(event->button()),
                   platform::controlhost::ShiftOf(event->modifiers()),
                   static_cast<float>(at.x() * 15), static_cast<float>(at.y() * 15));
    // Taken here: a press on a label must not also reach the window below.
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
    QLabel::mouseReleaseEvent(event);
}

}  // namespace platform::forms::controls
