#pragma once

#include "platform/forms/form.h"

// The login window.
class FrmLogin : public platform::Form {
    Q_OBJECT
public:
    explicit FrmLogin(QWidget* parent = nullptr);

protected:
    void Form_Load() override;
};
