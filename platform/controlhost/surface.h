#pragma once

#include <QImage>
#include <QMetaObject>
#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>

#include "platform/controlhost/scale_units.h"
#include "platform/controlhost/std_font.h"
#include "platform/raster/blit.h"
#include "platform/raster/gdi_types.h"
#include "platform/raster/picture.h"

class QPainter;
class QWidget;

namespace platform::controlhost {

// The drawing surface of a control or a picture box: the kept image, the
// device context, colours, font, text position, scale and background picture.
//
// Two images stand behind it. The kept image holds what persistent drawing
// (AutoRedraw) painted; the shown image is what the window shows. While
// persistent drawing is on, all drawing, also through hDC, goes to the kept
// image and the window shows it; drawing with persistent drawing off goes to
// the shown image only, and is gone when persistent drawing ends again.
class Surface {
public:
    explicit Surface(QWidget* window);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // The device context of the image that drawing goes to now. Its text and
    // pen colour follow ForeColor, its background colour BackColor, its font
    // Font.
    raster::HDC hDC() const;

    bool AutoRedraw() const { return autoRedraw_; }
    void SetAutoRedraw(bool on);
    // Clears to BackColor with the background picture at the top left and
    // puts the text position at (0, 0).
    void Cls();
    // Has the window show its image at once.
    void Redraw();

    std::int16_t ScaleMode() const { return scaleMode_; }
    void SetScaleMode(std::int16_t mode);
    double ScaleWidth() const;
    double ScaleHeight() const;
    // Converts a length between scale modes (by default from HIMETRIC into
    // the surface's own mode).
    double ScaleX(double value, std::int16_t from = vbHimetric,
                  std::optional<std::int16_t> to = {}) const;
    double ScaleY(double value, std::int16_t from = vbHimetric,
                  std::optional<std::int16_t> to = {}) const;

    raster::OLE_COLOR BackColor() const { return backColor_; }
    void SetBackColor(raster::OLE_COLOR colour);
    raster::OLE_COLOR ForeColor() const { return foreColor_; }
    void SetForeColor(raster::OLE_COLOR colour);

    StdFontRef Font() const { return font_; }
    // Draws with the given font object from now on, following its changes;
    // run-time error 91 for no object.
    void SetFont(StdFontRef font);

    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void SetCurrentX(double x) { currentX_ = x; }
    void SetCurrentY(double y) { currentY_ = y; }
    // Prints a line of text at the text position in ForeColor, without
    // filling the text background, then moves to the start of the next line.
    void Print(const QString& text);
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text) const;

    // Draws (x2, y2, width2, height2) of the picture, scaled, onto (x1, y1,
    // width1, height1), all in scale units; missing sizes are the picture's
    // own, missing source corner is (0, 0). A bitmap is copied, an icon laid
    // over through its transparency. Run-time error 481 without a picture;
    // only the copy operation (SRCCOPY) is known, any other is error 5.
    void PaintPicture(const raster::PicturePtr& picture, double x1, double y1,
                      std::optional<double> width1 = {}, std::optional<double> height1 = {},
                      std::optional<double> x2 = {}, std::optional<double> y2 = {},
                      std::optional<double> width2 = {}, std::optional<double> height2 = {},
                      std::optional<raster::ROP> opcode = {});

    // The background picture: setting it starts the kept image afresh with
    // the picture at the top left.
    raster::PicturePtr Picture() const { return picture_; }
    void SetPicture(raster::PicturePtr picture);

    const QImage& KeptImage() const { return kept_; }
    const QImage& ShownImage() const { return autoRedraw_ ? kept_ : shown_; }

protected:
    // Follows the window's new size, keeping the picture at the top left.
    void ResizeSurface(QSize pixels);
    void PaintSurface(QPainter& painter) const;

private:
    QImage& Target() { return autoRedraw_ ? kept_ : shown_; }
    // Starts the kept image afresh: BackColor, the picture, text position 0.
    void Restart();
    void ClearImage(QImage& image) const;
    void ApplyColours();
    void ApplyFont();
    QSize PixelSize() const { return kept_.size(); }

    QWidget* window_;
    QImage kept_;
    QImage shown_;
    raster::HDC keptDc_;
    raster::HDC shownDc_;
    raster::HFONT dcFont_;
    bool autoRedraw_ = false;
    std::int16_t scaleMode_ = vbTwips;
    raster::OLE_COLOR backColor_;
    raster::OLE_COLOR foreColor_;
    StdFontRef font_;
    QMetaObject::Connection fontWatch_;
    double currentX_ = 0;
    double currentY_ = 0;
    raster::PicturePtr picture_;
};

}  // namespace platform::controlhost
