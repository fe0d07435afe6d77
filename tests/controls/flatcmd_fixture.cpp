#include "flatcmd_fixture.h"

#include "platform/raster/ole_color.h"
#include "platform/raster/sys_color.h"

namespace flattest {

QImage StripImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x % 256, 100 + y, 200));
    return image;
}

platform::raster::PicturePtr Strip(int width, int height) {
    return platform::raster::PictureFromImage(StripImage(width, height));
}

platform::raster::PicturePtr CoordinatePicture() {
    QImage image(200, 100, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x, y, 40));
    return platform::raster::PictureFromImage(image);
}

platform::controlhost::PropertyBag StripBag(const platform::raster::PicturePtr& strip, bool checked,
                                            const QVariantMap& more) {
    QVariantMap stored{
        {"Caption", QString()}, {"PictureBG", QVariant::fromValue(strip)}, {"Checked", checked}};
    for (auto it = more.begin(); it != more.end(); ++it) stored.insert(it.key(), it.value());
    return platform::controlhost::PropertyBag(stored);
}

namespace {

platform::raster::PicturePtr WindowPictureOf(WindowPicture kind) {
    switch (kind) {
        case WindowPicture::Coordinates:
            return CoordinatePicture();
        case WindowPicture::Empty:
            return platform::raster::Picture::CreateEmpty();
        case WindowPicture::Icon: {
            QImage image(200, 100, QImage::Format_ARGB32);
            image.fill(qRgb(9, 9, 9));
            return platform::raster::IconPictureFromImage(image);
        }
        case WindowPicture::Missing:
            break;
    }
    return nullptr;
}

}  // namespace

FlatOnWindow::FlatOnWindow(const platform::controlhost::PropertyBag* bag, const Placing& placing)
    : window(std::make_unique<QWidget>()) {
    window->resize(200, 100);
    if (placing.picture != WindowPicture::Missing)
        window->setProperty("Picture", QVariant::fromValue(WindowPictureOf(placing.picture)));
    if (placing.windowScaleMode) window->setProperty("ScaleMode", *placing.windowScaleMode);
    QWidget* holder = window.get();
    if (placing.containerAt) {
        holder = new QWidget(window.get());
        holder->setGeometry(QRect(*placing.containerAt, QSize(150, 80)));
    }
    control = new FlatProbe(holder);
    buttontest::Place(*control, QStringLiteral("FlatCmd1"), QRect(placing.at, QSize(60, 26)), bag);
    window->show();
}

QString LookOf(const QImage& image, QPoint at) {
    const QRgb pixel = image.pixel(at);
    const int r = qRed(pixel);
    const int g = qGreen(pixel);
    const int b = qBlue(pixel);
    const QRgb face =
        platform::raster::ToQColor(platform::raster::GetSysColor(platform::raster::COLOR_BTNFACE))
            .rgb();
    if (b == 200 && g >= 100) return QStringLiteral("strip:%1").arg(r);
    if (b == 40) return QStringLiteral("window:%1,%2").arg(r).arg(g);
    if ((pixel | 0xFF000000u) == (face | 0xFF000000u)) return QStringLiteral("back");
    if (r == 0 && g == 0 && b == 0) return QStringLiteral("black");
    if (r == 255 && g == 0 && b == 255) return QStringLiteral("magenta");
    return QStringLiteral("rgb(%1,%2,%3)").arg(r).arg(g).arg(b);
}

QString Look(const controls::FlatCmd& control, QPoint at) {
    return LookOf(control.ShownImage(), at);
}

}  // namespace flattest
