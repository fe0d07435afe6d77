#include "controls/XPCommand/XPCommand.h"
#include "controls/XPCommand/xp_region.h"
#include "platform/basic/rounding.h"
#include "platform/controlhost/window_region.h"
#include "platform/raster/objects.h"

namespace controls {
namespace {

// A control narrower or lower than this grows to 150 twips.
constexpr double kMinimumPixels = 10;
constexpr double kGrownTwips = 150;

}  // namespace

void XPCommand::UserControl_Resize() {
    if (ScaleWidth() < kMinimumPixels) SetWidth(kGrownTwips);
    if (ScaleHeight() < kMinimumPixels) SetHeight(kGrownTwips);
    W_ = static_cast<int>(platform::basic::RoundHalfEven(ScaleWidth()));
    H_ = static_cast<int>(platform::basic::RoundHalfEven(ScaleHeight()));
    MakeRoundRegion();
    Refresh();
}

// The window owns every region it accepts; one it refuses is of no use.
void XPCommand::MakeRoundRegion() {
    const platform::raster::HRGN region = controls::MakeRoundRegion(W_, H_);
    if (platform::controlhost::SetWindowRgn(hwnd(), region, true) == 0)
        platform::raster::DeleteObject(region);
}

}  // namespace controls
