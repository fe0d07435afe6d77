#pragma once

#include "platform/forms/form.h"

class QAction;
class QMenu;

// The never-shown form that holds the tray icon's menu.
class Frmmenu : public platform::forms::Form {
    Q_OBJECT
public:
    explicit Frmmenu(QWidget* parent = nullptr);

    QMenu* MainMenu;
    QAction* mAbout;
    QAction* LineA;
    QAction* mExit;

    void mAbout_Click();
    void mExit_Click();
};
