#pragma once

#include <QObject>
#include <functional>

namespace platform::forms {

// Carries a control's Click() signal to a handler of the window.
class ClickRelay : public QObject {
    Q_OBJECT
public:
    ClickRelay(QObject* owner, std::function<void()> handler)
        : QObject(owner), handler_(std::move(handler)) {}

public slots:
    void Fire() { handler_(); }

private:
    std::function<void()> handler_;
};

}  // namespace platform::forms
