#include "Scatter.h"

#include "toolkit/Extended.h"

#include <algorithm>
#include <array>
#include <memory>

void CountScatter(const BandRaster &band1, const BandRaster &band2, const QPoint &first, const QPoint &second, ScatterCounts &counts)
{
    for (auto &row : counts)
        row.fill(0);
    const int left = std::max(first.x(), 0);
    const int right = std::min(second.x(), SceneWidth - 1);
    const int top = std::max(first.y(), 0);
    const int bottom = std::min(second.y(), SceneHeight - 1);
    // The counts do not depend on the order of the pixels: going down the
    // columns reads the rasters in the order they are stored.
    for (int x = left; x <= right; ++x) {
        const auto &column1 = band1[static_cast<std::size_t>(x + 1)];
        const auto &column2 = band2[static_cast<std::size_t>(x + 1)];
        for (int y = top; y <= bottom; ++y) {
            const auto j = static_cast<std::size_t>(y + 1);
            ++counts[column1[j]][column2[j]];
        }
    }
}

std::int32_t ScatterGreyLevel(std::int32_t count, std::int32_t maximum)
{
    if (count == 0)
        return 0;
    if (count == maximum)
        return 255;
    return Fpu::Trunc(Fpu::Divide(Fpu::Ln(count), Fpu::Ln(maximum)) * 256.0L);
}

void FillScatterCell(Canvas &canvas, int a, int b)
{
    canvas.fillRect(2 * a, 510 - 2 * b, 2 * a + 2, 512 - 2 * b);
}

namespace {

// The grey levels of one plot. A level depends on the count alone once the
// maximum is known, and most cells hold small counts, so the levels of
// counts below Kept are worked out once each.
class GreyLevels
{
public:
    explicit GreyLevels(std::int32_t maximum) : maximum_(maximum) { known_.fill(-1); }

    std::uint8_t operator()(std::int32_t count)
    {
        if (count >= Kept)
            return static_cast<std::uint8_t>(ScatterGreyLevel(count, maximum_));
        std::int16_t &level = known_[static_cast<std::size_t>(count)];
        if (level < 0)
            level = static_cast<std::int16_t>(ScatterGreyLevel(count, maximum_));
        return static_cast<std::uint8_t>(level);
    }

private:
    static constexpr std::int32_t Kept = 4096;
    std::int32_t maximum_;
    std::array<std::int16_t, Kept> known_;
};

}

void PlotScatter(const ScatterCounts &counts, Canvas &canvas)
{
    std::int32_t maximum = 0;
    for (const auto &row : counts)
        for (const std::int32_t count : row)
            maximum = std::max(maximum, count);

    // The levels are taken in the order the counts are stored, band-1 value
    // first, and laid out by band-2 value, the order of the plot's rows.
    GreyLevels greyLevel(maximum);
    auto levels = std::make_unique<std::array<std::array<std::uint8_t, 256>, 256>>();
    for (std::size_t a = 0; a < 256; ++a)
        for (std::size_t b = 0; b < 256; ++b)
            (*levels)[b][a] = greyLevel(counts[a][b]);

    std::array<QRgb, 256> greys{};
    for (int level = 0; level < 256; ++level)
        greys[static_cast<std::size_t>(level)] = ToQRgb(GreyLevel(level));
    QImage &image = canvas.image(512, 512);
    for (int b = 0; b < 256; ++b) {
        auto *upper = reinterpret_cast<QRgb *>(image.scanLine(510 - 2 * b));
        auto *lower = reinterpret_cast<QRgb *>(image.scanLine(511 - 2 * b));
        const auto &row = (*levels)[static_cast<std::size_t>(b)];
        for (int a = 0; a < 256; ++a) {
            const QRgb colour = greys[row[static_cast<std::size_t>(a)]];
            upper[2 * a] = upper[2 * a + 1] = lower[2 * a] = lower[2 * a + 1] = colour;
        }
    }
    // The brush keeps the colour of the cell filled last, (255, 255).
    canvas.setBrushColor(GreyLevel((*levels)[255][255]));
    canvas.changed();
    DrawScatterGrid(canvas);
}

void DrawScatterGrid(Canvas &canvas)
{
    canvas.setPenColor(Colours::Grey);
    canvas.setPenStyle(PenStyle::Dotted);
    for (const int x : {100, 200, 300, 400, 500}) {
        canvas.moveTo(x, 0);
        canvas.lineTo(x, 512);
    }
    for (const int y : {411, 311, 211, 111, 11}) {
        canvas.moveTo(0, y);
        canvas.lineTo(512, y);
    }
}
