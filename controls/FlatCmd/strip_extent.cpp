#include "controls/FlatCmd/strip_extent.h"

namespace controls {
namespace {

constexpr double kTwipsPerPixel = 15;

}  // namespace

StripExtent FrameExtent(double stripWidthPixels, double stripHeightPixels, bool checked) {
    const double frameWidth = stripWidthPixels / FrameCount(checked);
    return StripExtent{frameWidth * kTwipsPerPixel, stripHeightPixels * kTwipsPerPixel};
}

}  // namespace controls
