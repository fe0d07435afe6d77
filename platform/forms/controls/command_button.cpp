#include "platform/forms/controls/command_button.h"

#include <QKeyEvent>

namespace platform::forms::controls {

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) {
        QPushButton::keyPressEvent(event);
        return;
    }
    // Held down, the key repeats: the button is pressed once.
    if (!event->isAutoRepeat()) click();
}

}  // namespace platform::forms::controls
