#include "host_fixture.h"

#include <QTest>

namespace platform::controlhost::testing {
namespace {

QString Mouse(const char* name, std::int16_t button, std::int16_t shift, float x, float y) {
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(QLatin1String(name))
        .arg(button)
        .arg(shift)
        .arg(static_cast<double>(x))
        .arg(static_cast<double>(y));
}

QString Key(const char* name, std::int16_t code, std::int16_t shift) {
    return QStringLiteral("%1 %2 %3").arg(QLatin1String(name)).arg(code).arg(shift);
}

}  // namespace

void Recorder::UserControl_Resize() {
    log.append(QStringLiteral("Resize %1x%2").arg(width()).arg(height()));
}

void Recorder::UserControl_AccessKeyPress(std::int16_t& KeyAscii) {
    log.append(QStringLiteral("AccessKey %1").arg(KeyAscii));
}

void Recorder::UserControl_AmbientChanged(const QString& PropertyName) {
    log.append(QStringLiteral("Ambient ") + PropertyName);
}

void Recorder::UserControl_MouseDown(std::int16_t& Button, std::int16_t& Shift, float& x,
                                     float& y) {
    log.append(Mouse("MouseDown", Button, Shift, x, y));
}

void Recorder::UserControl_MouseMove(std::int16_t& Button, std::int16_t& Shift, float& x,
                                     float& y) {
    log.append(Mouse("MouseMove", Button, Shift, x, y));
}

void Recorder::UserControl_MouseUp(std::int16_t& Button, std::int16_t& Shift, float& x, float& y) {
    log.append(Mouse("MouseUp", Button, Shift, x, y));
}

void Recorder::UserControl_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
    log.append(Key("KeyDown", KeyCode, Shift));
}

void Recorder::UserControl_KeyPress(std::int16_t& KeyAscii) {
    log.append(QStringLiteral("KeyPress %1").arg(KeyAscii));
}

void Recorder::UserControl_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
    log.append(Key("KeyUp", KeyCode, Shift));
}

HostWindow::HostWindow() : window(std::make_unique<QWidget>()) {
    window->resize(200, 100);
    control = new Recorder(window.get());
    control->setGeometry(30, 40, 20, 10);
    control->InitNew();
    // The focus rests elsewhere, so that only the input moves it.
    focusSink = new QWidget(window.get());
    focusSink->setGeometry(150, 10, 10, 10);
    focusSink->setFocusPolicy(Qt::StrongFocus);
    window->show();
    (void)QTest::qWaitForWindowExposed(window.get());
    focusSink->setFocus();
    control->log.clear();
}

}  // namespace platform::controlhost::testing
