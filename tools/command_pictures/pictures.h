#pragma once

#include <QImage>

// A title-bar strip of four frames (normal, hover, pressed, and a fourth
// that repeats the pressed or the hover look), each frameWidth x 17.
enum class Glyph { Minimise, Maximise, Close };
enum class FourthFrame { Pressed, Hover };
QImage DrawStrip(int frameWidth, Glyph glyph, FourthFrame fourth);

// The 32 x 32 pointing hand of the control's mouse pointer, with alpha.
QImage DrawHand();
