#include "app/FrmTi/FrmTi.h"

#include <QKeyEvent>

#include "app/FrmLogin/FrmLogin.h"
#include "app/FrmLogin/MemberServer.h"
#include "app/Frmmain/Frmmain.h"
#include "app/Module/Module.h"
#include "platform/forms/forms_collection.h"

namespace {

constexpr int kEscape = 27;

void unloadMainWindow() {
    const auto loaded = platform::forms::Loaded();
    for (platform::forms::Form* form : loaded)
        if (auto* main = qobject_cast<Frmmain*>(form)) main->Unload();
}

}  // namespace

FrmTi::FrmTi(QWidget* parent) : platform::forms::Form(parent) {
    layout_ = platform::forms::Load(this, QStringLiteral(":/designer/FrmTi.json"));
    Command1 = layout_.widget("Command1");
    Command2 = layout_.widget("Command2");
    Command3 = layout_.widget("Command3");
    platform::forms::OnClick(Command1, [this] { Command1_Click(); });
    platform::forms::OnClick(Command2, [this] { Command2_Click(); });
    platform::forms::OnClick(Command3, [this] { Command3_Click(); });
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

bool FrmTi::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            int KeyAscii = kEscape;
            Form_KeyPress(KeyAscii);
            return KeyAscii == 0;
        }
    }
    return platform::forms::Form::eventFilter(watched, event);
}

void FrmTi::Form_KeyPress(int& KeyAscii) {
    if (KeyAscii != kEscape) return;
    KeyAscii = 0;
    Unload();
}

void FrmTi::Command1_Click() {
    Unload();
    unloadMainWindow();
    platform::forms::Default<FrmLogin>().Show();
}

void FrmTi::Command2_Click() {
    Module::OpenInBrowser(MemberServer::RegisterUrl());
    Unload();
}

void FrmTi::Command3_Click() {
    Unload();
}
