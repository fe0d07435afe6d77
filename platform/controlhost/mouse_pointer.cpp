#include "platform/controlhost/mouse_pointer.h"

#include <QPixmap>

namespace platform::controlhost {

std::optional<QCursor> CursorFor(std::int16_t mousePointer, const raster::PicturePtr& icon) {
    switch (mousePointer) {
        case 1:
            return QCursor(Qt::ArrowCursor);
        case 2:
            return QCursor(Qt::CrossCursor);
        case 3:
            return QCursor(Qt::IBeamCursor);
        case 4:
        case 10:
            return QCursor(Qt::UpArrowCursor);
        case 5:
        case 15:
            return QCursor(Qt::SizeAllCursor);
        case 6:
            return QCursor(Qt::SizeBDiagCursor);
        case 7:
            return QCursor(Qt::SizeVerCursor);
        case 8:
            return QCursor(Qt::SizeFDiagCursor);
        case 9:
            return QCursor(Qt::SizeHorCursor);
        case 11:
            return QCursor(Qt::WaitCursor);
        case 12:
            return QCursor(Qt::ForbiddenCursor);
        case 13:
            return QCursor(Qt::BusyCursor);
        case 14:
            return QCursor(Qt::WhatsThisCursor);
        case 99: {
            if (!icon || icon->Type() == raster::PictureType::None) return std::nullopt;
            const QPixmap pixmap = QPixmap::fromImage(icon->ToImage());
            return QCursor(pixmap, pixmap.width() / 2, pixmap.height() / 2);
        }
        default:
            return std::nullopt;
    }
}

}  // namespace platform::controlhost
