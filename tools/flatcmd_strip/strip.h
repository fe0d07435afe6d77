#pragma once

#include <QImage>

// The category buttons' strip: three 60 x 26 frames side by side, 24 bits a
// pixel. Frame 0 (hover) is a light blue glossy face with a white inner
// edge; frames 1 (pressed) and 2 (selected) are one darker blue face with a
// dark outline, pixel for pixel.
QImage DrawCategoryStrip();

// True when some pixel is one of the two colours that the button keys out:
// magenta (255, 0, 255) or (25, 50, 255).
bool HasKeyColour(const QImage& image);
