#pragma once

#include <optional>

namespace controls {

// The state a FlatCmd face is chosen from, and which frame boxes hold a cut
// frame (a picture with a handle).
struct FrameState {
    bool g_Pressed = false;
    bool g_Hover = false;
    bool Status = false;
    bool PicT0Holds = false;
    bool PicT1Holds = false;
};

// The frame box whose picture the control shows, or none when the face stays
// as the last choice left it; the key-out runs exactly when a box is chosen.
// Pressed shows the pressed frame; hovering shows the hover frame, or the
// pressed frame on a selected button (both only once the hover frame was
// cut); an idle selected button shows the selected frame, cut or not.
std::optional<int> ChooseFrame(const FrameState& state);

}  // namespace controls
