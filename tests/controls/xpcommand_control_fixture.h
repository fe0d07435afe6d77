#pragma once

#include <QWidget>
#include <memory>

#include "controls/XPCommand/XPCommand.h"
#include "platform/controlhost/property_bag.h"

namespace xptest {

// An XPCommand that counts its repaints and whose interaction flags a test
// can set directly.
class XPProbe : public controls::XPCommand {
public:
    using XPCommand::XPCommand;

    void Refresh() override {
        ++refreshes;
        XPCommand::Refresh();
    }
    void SetFlags(bool pressed, bool hover, bool focus) {
        g_Pressed = pressed;
        g_Hover = hover;
        g_HasFocus = focus;
        Refresh();
    }
    // The hover rules of the interaction, as entering and leaving run them.
    void Enter() { ShowHoverPicture(); }
    void Leave() { ShowNormalPicture(); }

    int refreshes = 0;
};

// An XPProbe of the given pixel size on a shown window, named "XPCommand1".
// `bag` null: a newly placed instance; otherwise loaded from the bag.
struct XPOnWindow {
    XPOnWindow(int width, int height, const platform::controlhost::PropertyBag* bag);
    std::unique_ptr<QWidget> window;
    XPProbe* control;
};

}  // namespace xptest
