#pragma once

#include <QWidget>
#include <memory>

#include "controls/XPCommand/XPCommand.h"
#include "picture_button_fixture.h"
#include "platform/controlhost/property_bag.h"

namespace xptest {

// An XPCommand probe whose interaction flags a test can set directly.
class XPProbe : public buttontest::Probe<controls::XPCommand> {
public:
    using Probe::Probe;

    void SetFlags(bool pressed, bool hover, bool focus) {
        g_Pressed = pressed;
        g_Hover = hover;
        g_HasFocus = focus;
        Refresh();
    }
};

// An XPProbe of the given pixel size on a shown window, named "XPCommand1".
// `bag` null: a newly placed instance; otherwise loaded from the bag.
struct XPOnWindow {
    XPOnWindow(int width, int height, const platform::controlhost::PropertyBag* bag);
    std::unique_ptr<QWidget> window;
    XPProbe* control;
};

}  // namespace xptest
