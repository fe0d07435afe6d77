#pragma once

#include <QFont>
#include <QImage>
#include <QRegion>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <variant>
#include <vector>

#include "platform/raster/gdi_types.h"
#include "platform/raster/palette.h"

// The layer's own bookkeeping: every object behind a handle. Not part of the
// layer's interface; only the layer's sources include it.
namespace platform::raster::detail {

struct DcObject {
    QImage* external = nullptr;  // a surface context's image, else null
    HBITMAP bitmap;              // a memory context's selected bitmap
    COLORREF bkColor = 0xFFFFFF;
    COLORREF textColor = 0x000000;
    COLORREF penColor = 0x000000;
    POINT position;
    HBRUSH brush;
    HFONT font;
    HPALETTE palette;
};

// Colour bitmaps are Format_RGB32; monochrome ones Format_Grayscale8 holding
// 0x00 (0, black) or 0xFF (1, white), so that raster operations work on bytes.
struct BitmapObject {
    QImage image;
    bool mono = false;
    std::uint32_t selectedInto = 0;  // the memory context holding it, 0 if none
};

struct BrushObject {
    COLORREF colour = 0;
};

struct RegionObject {
    QRegion region;
};

struct PaletteObject {
    std::vector<PALETTEENTRY> entries;
};

struct FontObject {
    std::optional<QFont> font;  // empty: the application's font at use time
};

struct IconObject {
    QImage image;  // Format_ARGB32
};

using Object = std::variant<DcObject, BitmapObject, BrushObject, RegionObject, PaletteObject,
                            FontObject, IconObject>;

// Adds an object and returns its new id.
std::uint32_t AddObject(Object object);
std::uint32_t AddStockObject(Object object);
bool IsStock(std::uint32_t id);
// Removes the entry; false when there is none.
bool RemoveObject(std::uint32_t id);

Object* FindObject(std::uint32_t id);
template <class T>
T* Find(std::uint32_t id) {
    Object* object = FindObject(id);
    return object ? std::get_if<T>(object) : nullptr;
}

// True when a live context has the object selected.
bool IsSelectedAnywhere(std::uint32_t id);

// The defaults of a new memory context.
HBITMAP StockMonoBitmap();
HBRUSH StockWhiteBrush();
HFONT StockFont();
HPALETTE StockPalette();

}  // namespace platform::raster::detail
