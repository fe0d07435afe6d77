#pragma once

#include <QImage>

// The pictures of the main window and of the members-only prompt, drawn
// without any text: the captions are the windows' own labels.
namespace pictures {

QImage MainSkin();                                   // 799 x 462, 24-bit
QImage TitleButtonStrip(int frameWidth, int glyph);  // four frames, 17 high, 24-bit
QImage HandPointer();                                // 32 x 32 with transparency
QImage ProgramIcon();                                // 32 x 32 with transparency
QImage PromptIcon();                                 // 32 x 32 with transparency

enum Glyph { kMinimise = 0, kMenu = 1, kClose = 2 };

}  // namespace pictures
