#include "platform/controlhost/picture_box.h"

#include <QPainter>
#include <QResizeEvent>

namespace platform::controlhost {

PictureBox::PictureBox(const Surface& container, QWidget* parent)
    : QWidget(parent), Surface(this), container_(container) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetPicture(raster::PicturePtr picture) {
    if (autoSize_ && picture && picture->Type() != raster::PictureType::None) {
        resize(picture->PixelWidth(), picture->PixelHeight());
        ResizeSurface(size());
    }
    Surface::SetPicture(std::move(picture));
}

double PictureBox::InContainerScale(int pixels) const {
    return ConvertScale(pixels, vbPixels, container_.ScaleMode());
}

double PictureBox::Left() const {
    return InContainerScale(x());
}
double PictureBox::Top() const {
    return InContainerScale(y());
}
double PictureBox::Width() const {
    return InContainerScale(width());
}
double PictureBox::Height() const {
    return InContainerScale(height());
}

void PictureBox::Move(double left, double top, double width, double height) {
    const std::int16_t scale = container_.ScaleMode();
    setGeometry(ToPixels(left, scale), ToPixels(top, scale), ToPixels(width, scale),
                ToPixels(height, scale));
    ResizeSurface(size());
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintSurface(painter);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ResizeSurface(size());
}

}  // namespace platform::controlhost
