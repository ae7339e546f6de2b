#include "Scatter.h"

#include "toolkit/Extended.h"

#include <algorithm>

void CountScatter(const BandRaster &band1, const BandRaster &band2, const QPoint &first, const QPoint &second, ScatterCounts &counts)
{
    for (auto &row : counts)
        row.fill(0);
    const int left = std::max(first.x(), 0);
    const int right = std::min(second.x(), SceneWidth - 1);
    const int top = std::max(first.y(), 0);
    const int bottom = std::min(second.y(), SceneHeight - 1);
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            const auto i = static_cast<std::size_t>(x + 1);
            const auto j = static_cast<std::size_t>(y + 1);
            ++counts[band1[i][j]][band2[i][j]];
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

void PlotScatter(const ScatterCounts &counts, Canvas &canvas)
{
    std::int32_t maximum = 0;
    for (const auto &row : counts)
        for (const std::int32_t count : row)
            maximum = std::max(maximum, count);

    QImage &image = canvas.image(512, 512);
    for (int b = 0; b < 256; ++b) {
        auto *upper = reinterpret_cast<QRgb *>(image.scanLine(510 - 2 * b));
        auto *lower = reinterpret_cast<QRgb *>(image.scanLine(511 - 2 * b));
        for (int a = 0; a < 256; ++a) {
            const std::int32_t level = ScatterGreyLevel(counts[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)], maximum);
            canvas.setBrushColor(GreyLevel(level));
            const QRgb colour = ToQRgb(GreyLevel(level));
            upper[2 * a] = upper[2 * a + 1] = lower[2 * a] = lower[2 * a + 1] = colour;
        }
    }
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
