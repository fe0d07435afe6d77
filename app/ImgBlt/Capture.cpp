#include "app/ImgBlt/Capture.h"

#include "platform/raster/raster.h"

namespace ImgBlt {

using namespace platform::raster;

namespace {

constexpr unsigned kPaletteEntries = 256;

// The logical palette record of the current system palette entries.
LOGPALETTE SystemPaletteRecord(HDC hDC) {
    LOGPALETTE record;
    record.palVersion = 0x300;
    record.palNumEntries = kPaletteEntries;
    record.palPalEntry.resize(kPaletteEntries);
    GetSystemPaletteEntries(hDC, 0, record.palPalEntry);
    return record;
}

}  // namespace

PicturePtr CaptureToPicture(HDC hDC, int x, int y, int w, int h) {
    const HDC memoryDC = CreateCompatibleDC(hDC);
    const HBITMAP bitmap = CreateCompatibleBitmap(hDC, w, h);
    const HBITMAP oldBitmap = SelectObject(memoryDC, bitmap);

    const int hasPalette = GetDeviceCaps(hDC, RASTERCAPS) & RC_PALETTE;
    const int paletteSize = GetDeviceCaps(hDC, SIZEPALETTE);
    HPALETTE palette;
    HPALETTE oldPalette;
    const bool paletteRoad = hasPalette != 0 && paletteSize == int(kPaletteEntries);
    if (paletteRoad) {
        palette = CreatePalette(SystemPaletteRecord(hDC));
        oldPalette = SelectPalette(memoryDC, palette, false);
        RealizePalette(memoryDC);
    }

    BitBlt(memoryDC, 0, 0, w, h, hDC, x, y, SRCCOPY);
    const HBITMAP captured = SelectObject(memoryDC, oldBitmap);
    if (paletteRoad) palette = SelectPalette(memoryDC, oldPalette, false);
    DeleteDC(memoryDC);
    return BitmapToPicture(captured, palette);
}

PicturePtr BitmapToPicture(HBITMAP bitmap, HPALETTE palette) {
    PICTDESC description;
    description.cbSizeofstruct = sizeof(PICTDESC);
    description.picType = static_cast<std::uint32_t>(PictureType::Bitmap);
    description.hbitmap = bitmap.id;
    description.hpal = palette.id;
    description.reserved = 0;
    return OleCreatePictureIndirect(description, true);
}

}  // namespace ImgBlt
