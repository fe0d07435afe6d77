#include <benchmark/benchmark.h>

#include <QImage>

#include "controls/shared/colour_blit.h"
#include "platform/raster/raster.h"

namespace {

// BlitTransparent of a button-sized picture onto a surface that is its own
// background, as the buttons draw their pictures; a quarter of the picture is
// the magenta key.
void BM_BlitTransparent(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0));
    const int h = static_cast<int>(state.range(1));
    QImage surfaceImage(w, h, QImage::Format_RGB32);
    surfaceImage.fill(qRgb(236, 233, 216));
    const platform::raster::HDC surface = platform::raster::CreateImageDC(&surfaceImage);

    QImage picture(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            picture.setPixel(x, y, (x + y) % 4 == 0 ? qRgb(255, 0, 255) : qRgb(x, y, 90));
    const platform::raster::HBITMAP bitmap = platform::raster::CreateBitmapFromImage(picture);
    const platform::raster::HDC source = platform::raster::CreateCompatibleDC(surface);
    const platform::raster::HBITMAP previous = platform::raster::SelectObject(source, bitmap);

    for (auto _ : state)
        controls::shared::BlitTransparent(surface, surface, source, 0, 0, w, h, 0, 0, 0xFF00FF);
    state.SetItemsProcessed(state.iterations() * w * h);

    platform::raster::SelectObject(source, previous);
    platform::raster::DeleteObject(bitmap);
    platform::raster::DeleteDC(source);
    platform::raster::DeleteDC(surface);
}
BENCHMARK(BM_BlitTransparent)->Args({89, 25})->Args({60, 26})->Args({16, 16});

}  // namespace
