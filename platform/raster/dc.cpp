#include "platform/raster/dc.h"

#include <QImage>

#include "platform/raster/object_table.h"
#include "platform/raster/pixels.h"

namespace platform::raster {
namespace {

using detail::DcObject;
using detail::FindDc;

DcObject NewContext() {
    DcObject dc;
    dc.bitmap = detail::StockMonoBitmap();
    dc.brush = detail::StockWhiteBrush();
    dc.font = detail::StockFont();
    dc.palette = detail::StockPalette();
    return dc;
}

// Replaces one attribute and hands back the old value.
COLORREF Exchange(HDC dc, COLORREF DcObject::*member, COLORREF colour) {
    DcObject* object = FindDc(dc);
    if (!object) return CLR_INVALID;
    COLORREF previous = object->*member;
    object->*member = colour;
    return previous;
}

COLORREF Read(HDC dc, COLORREF DcObject::*member) {
    const DcObject* object = FindDc(dc);
    return object ? object->*member : CLR_INVALID;
}

}  // namespace

HDC CreateCompatibleDC(HDC reference) {
    if (reference && !FindDc(reference)) return {};
    return HDC{detail::AddObject(NewContext())};
}

HDC CreateImageDC(QImage* image) {
    if (!image) return {};
    if (!detail::IsSurfaceFormat(image->format()))
        *image = image->convertToFormat(QImage::Format_RGB32);
    DcObject dc = NewContext();
    dc.bitmap = {};
    dc.external = image;
    return HDC{detail::AddObject(std::move(dc))};
}

bool DeleteDC(HDC dc) {
    DcObject* object = FindDc(dc);
    if (!object) return false;
    if (auto* bitmap = detail::Find<detail::BitmapObject>(object->bitmap.id))
        bitmap->selectedInto = 0;
    return detail::RemoveObject(dc.id);
}

HBITMAP SelectObject(HDC dc, HBITMAP bitmap) {
    DcObject* object = FindDc(dc);
    auto* incoming = detail::Find<detail::BitmapObject>(bitmap.id);
    if (!object || object->external || !incoming) return {};
    const bool stock = detail::IsStock(bitmap.id);
    if (!stock && incoming->selectedInto && incoming->selectedInto != dc.id) return {};
    HBITMAP previous = object->bitmap;
    if (auto* outgoing = detail::Find<detail::BitmapObject>(previous.id))
        outgoing->selectedInto = 0;
    if (!stock) incoming->selectedInto = dc.id;
    object->bitmap = bitmap;
    return previous;
}

HBRUSH SelectObject(HDC dc, HBRUSH brush) {
    DcObject* object = FindDc(dc);
    if (!object || !detail::Find<detail::BrushObject>(brush.id)) return {};
    return std::exchange(object->brush, brush);
}

HFONT SelectObject(HDC dc, HFONT font) {
    DcObject* object = FindDc(dc);
    if (!object || !detail::Find<detail::FontObject>(font.id)) return {};
    return std::exchange(object->font, font);
}

HBITMAP GetCurrentBitmap(HDC dc) {
    const DcObject* object = FindDc(dc);
    return object ? object->bitmap : HBITMAP{};
}

HFONT GetCurrentFont(HDC dc) {
    const DcObject* object = FindDc(dc);
    return object ? object->font : HFONT{};
}

HPALETTE GetCurrentPalette(HDC dc) {
    const DcObject* object = FindDc(dc);
    return object ? object->palette : HPALETTE{};
}

COLORREF SetBkColor(HDC dc, COLORREF colour) {
    return Exchange(dc, &DcObject::bkColor, colour);
}
COLORREF GetBkColor(HDC dc) {
    return Read(dc, &DcObject::bkColor);
}
COLORREF SetTextColor(HDC dc, COLORREF colour) {
    return Exchange(dc, &DcObject::textColor, colour);
}
COLORREF GetTextColor(HDC dc) {
    return Read(dc, &DcObject::textColor);
}
COLORREF SetDCPenColor(HDC dc, COLORREF colour) {
    return Exchange(dc, &DcObject::penColor, colour);
}
COLORREF GetDCPenColor(HDC dc) {
    return Read(dc, &DcObject::penColor);
}

bool MoveToEx(HDC dc, int x, int y, POINT* previous) {
    DcObject* object = FindDc(dc);
    if (!object) return false;
    if (previous) *previous = object->position;
    object->position = POINT{x, y};
    return true;
}

POINT GetCurrentPosition(HDC dc) {
    const DcObject* object = FindDc(dc);
    return object ? object->position : POINT{};
}

int DcWidth(HDC dc) {
    const detail::Target target = detail::TargetOf(dc);
    return target ? target.width() : 0;
}

int DcHeight(HDC dc) {
    const detail::Target target = detail::TargetOf(dc);
    return target ? target.height() : 0;
}

bool IsMonochromeDC(HDC dc) {
    const detail::Target target = detail::TargetOf(dc);
    return target && target.mono;
}

}  // namespace platform::raster
