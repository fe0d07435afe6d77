#pragma once

class QWidget;

namespace ImgBlt {

// Gives a borderless window a taskbar button and a minimise box.
void SetAppWindowStyles(QWidget* window);

}  // namespace ImgBlt
