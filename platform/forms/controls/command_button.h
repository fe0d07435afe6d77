#pragma once

#include <QPushButton>

namespace platform {

// The forms runtime's standard push button.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr);

signals:
    void Click();
};

}  // namespace platform
