#pragma once

#include <QTimer>

#include "platform/forms/form.h"

// The login window.
class FrmLogin : public platform::Form {
    Q_OBJECT
public:
    explicit FrmLogin(QWidget* parent = nullptr);

    QTimer* Timer1 = new QTimer(this);

protected:
    void Form_Load() override;
};
