#pragma once

#include <QLineEdit>

namespace platform::forms::controls {

// The forms runtime's text box. Change comes with every change of the text,
// also one made by code; KeyPress comes before a typed character is inserted,
// and before each character of text that an input method commits. The box
// holds one line: of text pasted, dropped or committed only what comes before
// the first line end is kept.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

signals:
    void Change();
    void KeyPress(int& keyAscii);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};

}  // namespace platform::forms::controls
