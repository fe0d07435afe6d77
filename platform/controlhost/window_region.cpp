#include "platform/controlhost/window_region.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QWidget>

#include "platform/raster/objects.h"
#include "platform/raster/region.h"

namespace platform::controlhost {
namespace {

// The region each window owns now.
QHash<HWND, raster::HRGN>& Owned() {
    static QHash<HWND, raster::HRGN> regions;
    return regions;
}

// The windows whose destruction frees their region.
QSet<HWND>& Watched() {
    static QSet<HWND> windows;
    return windows;
}

void Drop(HWND hwnd) {
    const raster::HRGN old = Owned().take(hwnd);
    if (old) raster::DeleteObject(old);
}

}  // namespace

int SetWindowRgn(HWND hwnd, raster::HRGN region, bool redraw) {
    QWidget* widget = WidgetOf(hwnd);
    if (widget == nullptr) return 0;
    if (region)
        widget->setMask(raster::RegionToQRegion(region));
    else
        widget->clearMask();
    Drop(hwnd);
    if (region) Owned().insert(hwnd, region);
    if (!Watched().contains(hwnd)) {
        Watched().insert(hwnd);
        QObject::connect(widget, &QObject::destroyed, [hwnd] {
            Drop(hwnd);
            Watched().remove(hwnd);
        });
    }
    if (redraw) widget->update();
    return 1;
}

}  // namespace platform::controlhost
