#include "platform/controlhost/control_timer.h"

namespace platform::controlhost {

ControlTimer::ControlTimer(QObject* parent) : QObject(parent) {
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (tick_) tick_();
    });
}

void ControlTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Apply();
}

void ControlTimer::SetInterval(int milliseconds) {
    interval_ = milliseconds;
    Apply();
}

void ControlTimer::Apply() {
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

}  // namespace platform::controlhost
