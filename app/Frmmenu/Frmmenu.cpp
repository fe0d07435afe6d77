#include "app/Frmmenu/Frmmenu.h"

#include <QMenu>

#include "app/Module/Module.h"
#include "platform/config/config_values.h"

Frmmenu::Frmmenu(QWidget* parent)
    : platform::forms::Form(parent), MainMenu(new QMenu(QStringLiteral("MainMenu"), this)) {
    mAbout = MainMenu->addAction(QStringLiteral("关于软件(&A)"));
    LineA = MainMenu->addSeparator();
    mExit = MainMenu->addAction(QStringLiteral("退出软件(&E)"));
    connect(mAbout, &QAction::triggered, this, &Frmmenu::mAbout_Click);
    connect(mExit, &QAction::triggered, this, &Frmmenu::mExit_Click);
}

void Frmmenu::mAbout_Click() {
    Module::OpenInBrowser(platform::config::HomePage());
}

void Frmmenu::mExit_Click() {
    Module::UnloadAllForms();
}
