#include "platform/forms/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace platform::forms {
namespace {

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
        case vbCritical:
            return QMessageBox::Critical;
        case vbInformation:
            return QMessageBox::Information;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        default:
            return QMessageBox::NoIcon;
    }
}

int showOnScreen(const QString& prompt, int style, const QString& title) {
    QMessageBox box(iconOf(style), title, prompt, QMessageBox::Ok, QApplication::activeWindow());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
    return vbOK;
}

MsgBoxHandler& handler() {
    static MsgBoxHandler current = showOnScreen;
    return current;
}

}  // namespace

int MsgBox(const QString& prompt, int style, const QString& title) {
    return handler()(prompt, style, title);
}

MsgBoxHandler SetMsgBoxHandler(MsgBoxHandler replacement) {
    return std::exchange(handler(), replacement ? replacement : showOnScreen);
}

}  // namespace platform::forms
