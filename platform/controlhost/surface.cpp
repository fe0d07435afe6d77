#include "platform/controlhost/surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <QWidget>
#include <algorithm>

#include "platform/basic/rounding.h"
#include "platform/controlhost/host_errors.h"
#include "platform/raster/dc.h"
#include "platform/raster/font.h"
#include "platform/raster/objects.h"
#include "platform/raster/ole_color.h"
#include "platform/raster/sys_color.h"

namespace platform::controlhost {
namespace {

QStringList LinesOf(const QString& text) {
    QString plain = text;
    plain.remove(QLatin1Char('\r'));
    return plain.split(QLatin1Char('\n'));
}

int Rounded(double value) {
    return static_cast<int>(basic::RoundHalfEven(value));
}

}  // namespace

Surface::Surface(QWidget* window)
    : window_(window),
      kept_(QSize(0, 0), QImage::Format_RGB32),
      shown_(QSize(0, 0), QImage::Format_RGB32),
      backColor_(raster::SystemOleColor(raster::COLOR_BTNFACE)),
      foreColor_(raster::SystemOleColor(raster::COLOR_BTNTEXT)) {
    keptDc_ = raster::CreateImageDC(&kept_);
    shownDc_ = raster::CreateImageDC(&shown_);
    ApplyColours();
    SetFont(NewDefaultFont());
}

Surface::~Surface() {
    QObject::disconnect(fontWatch_);
    raster::DeleteDC(keptDc_);
    raster::DeleteDC(shownDc_);
    raster::DeleteObject(dcFont_);
}

raster::HDC Surface::hDC() const {
    return autoRedraw_ ? keptDc_ : shownDc_;
}

void Surface::SetAutoRedraw(bool on) {
    // Leaving persistent drawing shows the kept image, as after a repaint.
    if (autoRedraw_ && !on) shown_ = kept_;
    autoRedraw_ = on;
    window_->update();
}

void Surface::Cls() {
    // Without persistent drawing only what the window shows is cleared; the
    // kept image stays for the window's next repaint.
    ClearImage(autoRedraw_ ? kept_ : shown_);
    currentX_ = 0;
    currentY_ = 0;
    window_->update();
}

void Surface::Redraw() {
    window_->update();
}

void Surface::SetScaleMode(std::int16_t mode) {
    ConvertScale(0, mode, vbPixels);  // refuses an unknown mode before anything changes
    scaleMode_ = mode;
}

double Surface::ScaleWidth() const {
    return ConvertScale(PixelSize().width(), vbPixels, scaleMode_);
}

double Surface::ScaleHeight() const {
    return ConvertScale(PixelSize().height(), vbPixels, scaleMode_);
}

double Surface::ScaleX(double value, std::int16_t from, std::optional<std::int16_t> to) const {
    return ConvertScale(value, from, to.value_or(scaleMode_));
}

double Surface::ScaleY(double value, std::int16_t from, std::optional<std::int16_t> to) const {
    return ConvertScale(value, from, to.value_or(scaleMode_));
}

void Surface::SetBackColor(raster::OLE_COLOR colour) {
    backColor_ = colour;
    ApplyColours();
    // A new background colour clears the surface, as on the platform.
    Restart();
}

void Surface::SetForeColor(raster::OLE_COLOR colour) {
    foreColor_ = colour;
    ApplyColours();
}

void Surface::SetFont(StdFontRef font) {
    if (!font) throw ObjectNotSet();
    QObject::disconnect(fontWatch_);
    font_ = std::move(font);
    fontWatch_ = QObject::connect(font_.get(), &StdFont::FontChanged, window_,
                                  [this](const QString&) { ApplyFont(); });
    ApplyFont();
}

void Surface::Print(const QString& text) {
    const QStringList lines = LinesOf(text);
    const QFont font = font_->ToQFont();
    const QFontMetrics metrics(font);
    QImage& target = Target();
    if (!target.isNull() && !text.isEmpty()) {
        QPainter painter(&target);
        painter.setFont(font);
        painter.setPen(raster::ToQColor(raster::ResolveOleColor(foreColor_)));
        const int x = ToPixels(currentX_, scaleMode_);
        int y = ToPixels(currentY_, scaleMode_) + metrics.ascent();
        for (const QString& line : lines) {
            painter.drawText(QPoint(x, y), line);
            y += metrics.height();
        }
    }
    currentX_ = 0;
    currentY_ += TextHeight(text);
    window_->update();
}

double Surface::TextWidth(const QString& text) const {
    const QFontMetrics metrics(font_->ToQFont());
    int widest = 0;
    for (const QString& line : LinesOf(text))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return ConvertScale(widest, vbPixels, scaleMode_);
}

double Surface::TextHeight(const QString& text) const {
    const QFontMetrics metrics(font_->ToQFont());
    return ConvertScale(static_cast<double>(metrics.height()) * LinesOf(text).size(), vbPixels,
                        scaleMode_);
}

void Surface::PaintPicture(const raster::PicturePtr& picture, double x1, double y1,
                           std::optional<double> width1, std::optional<double> height1,
                           std::optional<double> x2, std::optional<double> y2,
                           std::optional<double> width2, std::optional<double> height2,
                           std::optional<raster::ROP> opcode) {
    if (!picture || picture->Type() == raster::PictureType::None) throw InvalidPicture();
    if (opcode && *opcode != raster::SRCCOPY) throw InvalidProcedureCall();
    const auto pixels = [this](double value) { return ConvertScale(value, scaleMode_, vbPixels); };
    const double ownWidth = picture->PixelWidth();
    const double ownHeight = picture->PixelHeight();
    const QRect source(Rounded(x2 ? pixels(*x2) : 0), Rounded(y2 ? pixels(*y2) : 0),
                       Rounded(width2 ? pixels(*width2) : ownWidth),
                       Rounded(height2 ? pixels(*height2) : ownHeight));
    const QRect dest(Rounded(pixels(x1)), Rounded(pixels(y1)),
                     Rounded(width1 ? pixels(*width1) : ownWidth),
                     Rounded(height1 ? pixels(*height1) : ownHeight));
    QImage& target = Target();
    if (target.isNull() || source.isEmpty() || dest.isEmpty()) return;
    QPainter painter(&target);
    if (picture->Type() == raster::PictureType::Bitmap)
        painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(dest, picture->ToImage(), source);
    window_->update();
}

void Surface::SetPicture(raster::PicturePtr picture) {
    picture_ = std::move(picture);
    Restart();
}

void Surface::Restart() {
    ClearImage(kept_);
    shown_ = kept_;
    currentX_ = 0;
    currentY_ = 0;
    window_->update();
}

void Surface::ResizeSurface(QSize pixels) {
    if (pixels == kept_.size()) return;
    const QImage old = kept_;
    kept_ = QImage(pixels, QImage::Format_RGB32);
    ClearImage(kept_);
    if (!old.isNull()) {
        QPainter painter(&kept_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, old);
    }
    shown_ = kept_;
    window_->update();
}

void Surface::PaintSurface(QPainter& painter) const {
    painter.drawImage(0, 0, ShownImage());
}

void Surface::ClearImage(QImage& image) const {
    if (image.isNull()) return;
    image.fill(raster::ToQColor(raster::ResolveOleColor(backColor_)));
    if (!picture_ || picture_->Type() == raster::PictureType::None) return;
    QPainter painter(&image);
    painter.drawImage(0, 0, picture_->ToImage());
}

void Surface::ApplyColours() {
    const raster::COLORREF fore = raster::ResolveOleColor(foreColor_);
    const raster::COLORREF back = raster::ResolveOleColor(backColor_);
    for (raster::HDC dc : {keptDc_, shownDc_}) {
        raster::SetTextColor(dc, fore);
        raster::SetDCPenColor(dc, fore);
        raster::SetBkColor(dc, back);
    }
}

void Surface::ApplyFont() {
    const raster::HFONT font = raster::CreateFontFromQFont(font_->ToQFont());
    raster::SelectObject(keptDc_, font);
    raster::SelectObject(shownDc_, font);
    if (dcFont_) raster::DeleteObject(dcFont_);
    dcFont_ = font;
}

}  // namespace platform::controlhost
