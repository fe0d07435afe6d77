#pragma once

#include <QPushButton>

namespace platform::forms::controls {

// The forms runtime's standard push button. Enter presses the button that has
// the focus, as the platform's buttons do (Qt's do so only in dialogs).
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr);

signals:
    void Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace platform::forms::controls
