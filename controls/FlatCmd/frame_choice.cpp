#include "controls/FlatCmd/frame_choice.h"

namespace controls {

std::optional<int> ChooseFrame(const FrameState& state) {
    if (state.g_Pressed) {
        if (state.PicT1Holds) return 1;
        return std::nullopt;
    }
    if (state.g_Hover) {
        if (state.PicT0Holds) return state.Status ? 1 : 0;
        return std::nullopt;
    }
    if (state.Status) return 2;
    return std::nullopt;
}

}  // namespace controls
