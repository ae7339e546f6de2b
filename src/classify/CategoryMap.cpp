#include "CategoryMap.h"

#include "scatter/Scatter.h"

void PaintDecisionBlocks(const DecisionTableType &table, const CategoryTable &categories, Canvas &canvas)
{
    QImage &image = canvas.image(512, 512);
    for (int b = 0; b < 256; ++b) {
        auto *upper = reinterpret_cast<QRgb *>(image.scanLine(510 - 2 * b));
        auto *lower = reinterpret_cast<QRgb *>(image.scanLine(511 - 2 * b));
        for (int a = 0; a < 256; ++a) {
            const std::uint8_t k = table[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
            if (k == 0)
                continue;
            const QRgb colour = ToQRgb(categories[k].Color);
            upper[2 * a] = upper[2 * a + 1] = lower[2 * a] = lower[2 * a + 1] = colour;
        }
    }
    canvas.changed();
    DrawScatterGrid(canvas);
}

void PaintCategoryMap(const BandRaster &band1, const BandRaster &band2, const DecisionTableType &table, const CategoryTable &categories, Canvas &canvas)
{
    std::array<QRgb, 7> colours{};
    colours[0] = ToQRgb(Colours::Black);
    for (std::size_t k = 1; k <= 6; ++k)
        colours[k] = ToQRgb(categories[k].Color);
    QImage &image = canvas.image(SceneWidth, SceneHeight);
    uchar *bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    // Every pixel gets its colour whatever the order; the rasters run along
    // columns and the bitmap along lines, and bands of 16 columns keep both
    // in the cache.
    constexpr int Band = 16;
    for (int left = 0; left < SceneWidth; left += Band)
        for (int y = 0; y < SceneHeight; ++y) {
            auto *row = reinterpret_cast<QRgb *>(bits + y * bytesPerLine);
            const auto j = static_cast<std::size_t>(y + 1);
            for (int x = left; x < left + Band; ++x) {
                const auto i = static_cast<std::size_t>(x + 1);
                const std::uint8_t k = table[band1[i][j]][band2[i][j]];
                row[x] = colours[k <= 6 ? k : 0];
            }
        }
    canvas.changed();
}
