#pragma once

namespace controls {

// The size of a FlatCmd in twips: one frame of its strip (three frames with
// Checked, else two) by the strip's height. The strip is measured in pixels
// and every pixel counts 15 twips whatever the display; nothing is rounded,
// so a 181-pixel strip of three frames gives 905 twips.
struct StripExtent {
    double WidthTwips = 0;
    double HeightTwips = 0;
};

StripExtent FrameExtent(double stripWidthPixels, double stripHeightPixels, bool checked);

// The number of frames in the strip.
inline int FrameCount(bool checked) {
    return checked ? 3 : 2;
}

}  // namespace controls
