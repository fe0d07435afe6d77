#include "platform/forms/controls/text_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QValidator>

namespace platform::forms::controls {
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

// A character outside the basic plane takes two code units.
qsizetype characterSize(const QString& text, qsizetype at) {
    const bool pair =
        at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate();
    return pair ? 2 : 1;
}

qsizetype firstLineEnd(const QString& text) {
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c == u'\r' || c == u'\n' || c == u'\0') return at;
    }
    return -1;
}

// Keeps the box to one line. The line edit asks after every change, with the
// cursor behind what was just inserted; since the text before held no line
// end, the first one lies in the insertion, and the insertion's rest up to
// the cursor goes.
class SingleLine : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        const qsizetype end = firstLineEnd(input);
        if (end < 0) return Acceptable;
        const qsizetype restFrom = pos > end ? pos : input.size();
        input = input.left(end) + input.mid(restFrom);
        pos = static_cast<int>(end);
        return Acceptable;
    }
};

}  // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    setValidator(new SingleLine(this));
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

// Committed text counts as typing: each character goes through KeyPress,
// which may swallow it, and the rest is inserted in one change.
void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    const QString committed = event->commitString();
    QString kept;
    for (qsizetype at = 0; at < committed.size();) {
        const qsizetype size = characterSize(committed, at);
        const QStringView character = QStringView(committed).sliced(at, size);
        int keyAscii = static_cast<int>(character.toUcs4().value(0));
        emit KeyPress(keyAscii);
        if (keyAscii != 0) kept += character;
        at += size;
    }
    if (kept.size() == committed.size()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent changed(event->preeditString(), event->attributes());
    changed.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&changed);
}

}  // namespace platform::forms::controls
