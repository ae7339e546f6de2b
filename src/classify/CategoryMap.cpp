#include "CategoryMap.h"

#include "scene/ScenePixels.h"

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
    FillScenePixels(band1, band2, image, [&](BandValue value1, BandValue value2) {
        const std::uint8_t k = table[value1][value2];
        return colours[k <= 6 ? k : 0];
    });
    canvas.changed();
}
