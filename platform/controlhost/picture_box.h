#pragma once

#include <QWidget>

#include "platform/controlhost/surface.h"

namespace platform::controlhost {

// A picture box inside a control: a drawing surface of its own whose Width
// and Height are in the scale units of the surface that contains it. With
// AutoSize it takes the size of each picture assigned to it (no picture
// keeps the size it has). It has no border.
class PictureBox : public QWidget, public Surface {
    Q_OBJECT
public:
    PictureBox(const Surface& container, QWidget* parent);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on) { autoSize_ = on; }

    void SetPicture(raster::PicturePtr picture);

    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    // Places the box, in the container's scale units.
    void Move(double left, double top, double width, double height);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double InContainerScale(int pixels) const;

    const Surface& container_;
    bool autoSize_ = false;
};

}  // namespace platform::controlhost
