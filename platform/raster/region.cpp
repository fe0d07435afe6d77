#include "platform/raster/region.h"

#include "platform/raster/object_table.h"

namespace platform::raster {
namespace {

using detail::RegionObject;

int KindOf(const QRegion& region) {
    if (region.isEmpty()) return NULLREGION;
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    QRegion region;
    if (right > left && bottom > top) region = QRegion(left, top, right - left, bottom - top);
    return HRGN{detail::AddObject(RegionObject{region})};
}

int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode) {
    RegionObject* target = detail::Find<RegionObject>(dst.id);
    const RegionObject* first = detail::Find<RegionObject>(a.id);
    const RegionObject* second = detail::Find<RegionObject>(b.id);
    if (!target || !first || (mode != RGN_COPY && !second)) return RGN_ERROR;
    QRegion result;
    switch (mode) {
        case RGN_AND:
            result = first->region.intersected(second->region);
            break;
        case RGN_OR:
            result = first->region.united(second->region);
            break;
        case RGN_XOR:
            result = first->region.xored(second->region);
            break;
        case RGN_DIFF:
            result = first->region.subtracted(second->region);
            break;
        case RGN_COPY:
            result = first->region;
            break;
        default:
            return RGN_ERROR;
    }
    target->region = result;
    return KindOf(result);
}

QRegion RegionToQRegion(HRGN region) {
    const RegionObject* object = detail::Find<RegionObject>(region.id);
    return object ? object->region : QRegion();
}

}  // namespace platform::raster
