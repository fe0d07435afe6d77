#include "app/Frmmain/Frmmain.h"

#include "app/ImgBlt/WindowHook.h"
#include "platform/windows/registered_messages.h"
#include "platform/windows/window_handles.h"

Frmmain::Frmmain(QWidget* parent) : platform::Form(parent) {
    setWindowTitle(QStringLiteral("Marlquin2011"));
    setFixedSize(799, 462);
    QIcon icon(QStringLiteral(":/images/app/marlquin.png"));
    icon.addFile(QStringLiteral(":/images/app/marlquin-16.png"));
    setWindowIcon(icon);
}

void Frmmain::Form_Load() {
    ImgBlt::MsgTaskbarCreated =
        platform::windows::RegisterWindowMessageA(QStringLiteral("TaskbarCreated"));
    ImgBlt::Hook(platform::windows::HandleOf(this));
    SysTrayAdd();
}

void Frmmain::Form_Unload() {
    ImgBlt::Unhook(platform::windows::HandleOf(this));
    SysTrayDel();
}

void Frmmain::Command1_Click() {
    setWindowState(Qt::WindowMinimized);
    hide();
}
