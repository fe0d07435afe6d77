#include "platform/forms/controls/text_box.h"

#include <QKeyEvent>

namespace platform {
namespace {

// The character code of a key press, 0 for keys without one (arrows, Delete).
int keyAsciiOf(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Tab:
            return 9;
        default:
            break;
    }
    const QString text = event->text();
    if (text.isEmpty() || text.at(0).unicode() == 127) return 0;
    return text.at(0).unicode();
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &TextBox::Change);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    int keyAscii = keyAsciiOf(event);
    if (keyAscii != 0) {
        emit KeyPress(keyAscii);
        if (keyAscii == 0) return;  // the handler swallowed the key
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace platform
