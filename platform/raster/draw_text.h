#pragma once

#include <QByteArray>

#include "platform/raster/gdi_types.h"

namespace platform::raster {

// DrawTextExA format flags.
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;
constexpr unsigned DT_BOTTOM = 0x0008;
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_CALCRECT = 0x0400;
constexpr unsigned DT_NOPREFIX = 0x0800;

// Margins in pixels. The tab length is kept but tabs are not expanded (no
// caller asks for DT_EXPANDTABS). uiLengthDrawn receives the number of bytes
// taken from the text.
struct DRAWTEXTPARAMS {
    unsigned cbSize = 20;
    int iTabLength = 0;
    int iLeftMargin = 0;
    int iRightMargin = 0;
    unsigned uiLengthDrawn = 0;
};

// Measures or draws text on the context's selected font.
//
// `text` is in the ANSI code page (GBK); only its first `count` bytes are used
// (all of it when count is negative or larger), and a double-byte character cut
// in half by the count is dropped, so a caption of n characters handed over
// with count n loses one byte at its end for each double-byte character.
//
// The text lies between rect.left + left margin and rect.right - right margin.
// Lines break at "\r\n" and "\n" unless DT_SINGLELINE is given; DT_WORDBREAK
// also breaks a line that does not fit that width where Unicode allows a
// break (between words and between Chinese characters); a word longer than
// the width stays whole; blanks at a break vanish, blanks at the end of the
// text are measured. Lines are one font height apart. DT_CENTER or
// DT_RIGHT place each line across; DT_VCENTER and DT_BOTTOM take effect only
// together with DT_SINGLELINE, as on the platform.
//
// Unless DT_NOPREFIX is given, "&" is the mnemonic prefix: it is not shown
// and underlines the character after it, "&&" shows one "&", and a lone "&"
// at the end shows nothing; measuring leaves the prefixes out alike.
//
// DT_CALCRECT draws nothing: it moves rect.right to left + the widest line +
// both margins (for a single line of text that is the end of the text) and
// rect.bottom to top + the height of all lines.
//
// Drawing uses the context's text colour, without filling the background and
// without anti-aliasing, and is clipped to the rectangle (margins included), so
// a rectangle one pixel shorter than the text cuts off its last pixel row. Returns the height of
// the text (0 for an unknown context or a missing rectangle).
int DrawTextExA(HDC dc, const QByteArray& text, int count, RECT* rect, unsigned format,
                DRAWTEXTPARAMS* params);

}  // namespace platform::raster
