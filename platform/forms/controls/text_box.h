#pragma once

#include <QLineEdit>

namespace platform {

// The forms runtime's text box. Change comes with every change of the text,
// also one made by code; KeyPress comes before a typed character is inserted.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

signals:
    void Change();
    void KeyPress(int& keyAscii);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace platform
