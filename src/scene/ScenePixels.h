#pragma once

#include "unitMain/WorkingState.h"

#include <QImage>

// Sets every pixel (x, y) of a scene-sized Format_RGB32 bitmap to
// colour(band-1 value, band-2 value) of scene pixel (x, y). Every pixel gets
// its colour whatever the order; the rasters run along columns and the
// bitmap along lines, and bands of 16 columns keep both in the cache.
template<typename Colour>
void FillScenePixels(const BandRaster &band1, const BandRaster &band2, QImage &image, Colour colour)
{
    uchar *bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    constexpr int Band = 16;
    for (int left = 0; left < SceneWidth; left += Band)
        for (int y = 0; y < SceneHeight; ++y) {
            auto *row = reinterpret_cast<QRgb *>(bits + y * bytesPerLine);
            const auto j = static_cast<std::size_t>(y + 1);
            for (int x = left; x < left + Band; ++x) {
                const auto i = static_cast<std::size_t>(x + 1);
                row[x] = colour(band1[i][j], band2[i][j]);
            }
        }
}
