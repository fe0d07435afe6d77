#pragma once

#include <QCheckBox>

namespace platform::forms::controls {

// The forms runtime's check box; Click comes with every change of its value,
// also one made by code.
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent = nullptr);

    int Value() const { return isChecked() ? 1 : 0; }
    void SetValue(int value) { setChecked(value != 0); }

signals:
    void Click();
};

}  // namespace platform::forms::controls
