#include "command_fixture.h"

#include <QPainter>

#include "platform/controlhost/property_bag.h"
#include "platform/raster/picture.h"

namespace controls::testing {

QColor FrameColour(int frame) {
    static const QColor colours[] = {QColor(200, 30, 30),  QColor(30, 200, 30),
                                     QColor(30, 30, 200),  QColor(200, 200, 30),
                                     QColor(30, 200, 200), QColor(200, 30, 200)};
    return colours[frame % 6];
}

QImage SolidStrip(int frames, int frameWidth, int height) {
    QImage strip(frames * frameWidth, height, QImage::Format_RGB32);
    QPainter painter(&strip);
    for (int k = 0; k < frames; ++k)
        painter.fillRect(k * frameWidth, 0, frameWidth, height, FrameColour(k));
    return strip;
}

CommandOnWindow::CommandOnWindow(const QImage& strip) : window(std::make_unique<QWidget>()) {
    window->resize(200, 100);
    command = new CommandProbe(window.get());
    command->move(10, 10);
    command->Load(platform::controlhost::PropertyBag());
    command->SetEnabled(true);
    command->SetPicture(platform::raster::PictureFromImage(strip));
    window->show();
}

QImage Face(const Command& command) {
    return command.ShownImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace controls::testing
