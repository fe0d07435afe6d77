#pragma once

#include "platform/forms/form.h"

// The main window.
class Frmmain : public platform::Form {
    Q_OBJECT
public:
    explicit Frmmain(QWidget* parent = nullptr);

protected:
    void Form_Load() override;
};
