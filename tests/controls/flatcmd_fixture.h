#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <QVariantMap>
#include <QWidget>
#include <memory>
#include <optional>

#include "controls/FlatCmd/FlatCmd.h"
#include "picture_button_fixture.h"
#include "platform/controlhost/property_bag.h"
#include "platform/raster/picture.h"

namespace flattest {

// A FlatCmd probe whose interaction flags a test can set directly.
class FlatProbe : public buttontest::Probe<controls::FlatCmd> {
public:
    using Probe::Probe;

    void SetFlags(bool pressed, bool hover) {
        g_Pressed = pressed;
        g_Hover = hover;
        Refresh();
    }
};

// A strip whose pixel (x, y) is RGB(x mod 256, 100 + y, 200), so that every
// column tells where it was cut from.
QImage StripImage(int width, int height = 26);
platform::raster::PicturePtr Strip(int width, int height = 26);

// The window's background picture of the tests: pixel (x, y) is
// RGB(x, y, 40) over 200 x 100 pixels.
platform::raster::PicturePtr CoordinatePicture();

// The stored data of a button with the given strip, no caption and Checked
// as given; `more` adds or replaces keys.
platform::controlhost::PropertyBag StripBag(const platform::raster::PicturePtr& strip, bool checked,
                                            const QVariantMap& more = {});

enum class WindowPicture { Coordinates, Missing, Empty, Icon };

struct Placing {
    QPoint at{13, 7};                    // in the container, pixels
    std::optional<QPoint> containerAt;   // a container inside the window
    std::optional<int> windowScaleMode;  // the window's "ScaleMode"
    WindowPicture picture = WindowPicture::Coordinates;
};

// A shown 200 x 100 window holding a FlatProbe named "FlatCmd1", newly
// placed when `bag` is null, else loaded from it.
struct FlatOnWindow {
    explicit FlatOnWindow(const platform::controlhost::PropertyBag* bag,
                          const Placing& placing = {});
    std::unique_ptr<QWidget> window;
    FlatProbe* control;
};

// What the shown face holds at a point: "strip:N" (a strip pixel of column
// N), "window:X,Y" (the window's picture at X, Y), "back" (the button face
// colour), "black", "magenta" or "rgb(R,G,B)".
QString Look(const controls::FlatCmd& control, QPoint at = {2, 2});
QString LookOf(const QImage& image, QPoint at);

}  // namespace flattest
