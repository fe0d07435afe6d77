#include "app/FrmLogin/FrmLogin.h"

FrmLogin::FrmLogin(QWidget* parent) : platform::Form(parent) {
    setWindowTitle(QStringLiteral("Marlquin-会员登录"));
    setFixedSize(384, 207);
}

void FrmLogin::Form_Load() { show(); }
