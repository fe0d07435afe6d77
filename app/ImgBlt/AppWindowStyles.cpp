#include "app/ImgBlt/AppWindowStyles.h"

#include "platform/windows/window_move.h"

namespace ImgBlt {

void SetAppWindowStyles(QWidget* window) {
    platform::windows::AddAppWindowStyles(window);
}

}  // namespace ImgBlt
