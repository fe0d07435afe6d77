#pragma once

#include "platform/forms/designer_loader.h"
#include "platform/forms/form.h"

// The members-only prompt: log in, register, or close.
class FrmTi : public platform::forms::Form {
    Q_OBJECT
public:
    explicit FrmTi(QWidget* parent = nullptr);

    QWidget* Command1 = nullptr;
    QWidget* Command2 = nullptr;
    QWidget* Command3 = nullptr;

protected:
    // Key preview: the window sees every key before its buttons do.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Form_KeyPress(int& KeyAscii);

    platform::forms::Layout layout_;
};
