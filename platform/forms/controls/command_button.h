#pragma once

#include <QPushButton>

namespace platform {

// The forms runtime's standard push button. Status shows it checked, so that
// it can mark a selected category where a skinned button will stand.
class CommandButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(bool Status READ Status WRITE SetStatus)
public:
    explicit CommandButton(QWidget* parent = nullptr);

    bool Status() const { return isChecked(); }
    void SetStatus(bool on);

signals:
    void Click();
};

}  // namespace platform
