#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QVariantMap>
#include <QWidget>
#include <memory>

#include "platform/controlhost/property_bag.h"
#include "platform/controlhost/user_control.h"
#include "platform/forms/designer.h"

namespace buttontest {

// An XPCommand or a FlatCmd that counts its repaints and whose hover rules a
// test can run as entering and leaving run them.
template <class Control>
class Probe : public Control {
public:
    using Control::Control;

    void Refresh() override {
        ++refreshes;
        Control::Refresh();
    }
    void Enter() { this->ShowHoverPicture(); }
    void Leave() { this->ShowNormalPicture(); }

    int refreshes = 0;
};

// Names `control` (also as its display name) and places it at `geometry`
// in its holder; newly placed when `bag` is null, else loaded from it.
void Place(platform::controlhost::UserControl& control, const QString& name, const QRect& geometry,
           const platform::controlhost::PropertyBag* bag);

// A 400 x 200 window shown with the control that the registered factory of
// `kind` made on it from designer data; `made` is null when the factory
// refused the data.
struct Designed {
    Designed(const QString& kind, const QString& name, int index, const QRect& twips,
             const QVariantMap& bag);
    QWidget window;
    platform::forms::DesignEntry design;
    QWidget* made = nullptr;
};

// Counts the runs of a Click handler that it gives the holder of `button`.
class Clicks {
public:
    explicit Clicks(QWidget* button);
    bool Connected() const { return connected_; }
    // Clicks the left mouse button at `at`; returns the runs so far.
    int At(QPoint at);

private:
    QWidget* button_;
    std::shared_ptr<int> count_ = std::make_shared<int>(0);
    bool connected_ = false;
};

}  // namespace buttontest
