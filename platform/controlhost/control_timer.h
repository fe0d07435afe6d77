#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace platform::controlhost {

// A control's child timer: it ticks every Interval milliseconds while Enabled
// is True and the interval is above 0; enabling it starts the count afresh.
class ControlTimer : public QObject {
    Q_OBJECT
public:
    explicit ControlTimer(QObject* parent = nullptr);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);
    void OnTimer(std::function<void()> tick) { tick_ = std::move(tick); }

private:
    void Apply();

    QTimer timer_;
    bool enabled_ = true;
    int interval_ = 0;
    std::function<void()> tick_;
};

}  // namespace platform::controlhost
