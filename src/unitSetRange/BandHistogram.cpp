#include "BandHistogram.h"

#include "toolkit/Extended.h"

HistogramCounts BandHistogram(const BandRaster &raster)
{
    HistogramCounts counts{};
    for (std::size_t i = 1; i <= SceneWidth; ++i)
        for (std::size_t j = 1; j <= SceneHeight; ++j)
            ++counts[raster[i][j]];
    return counts;
}

void DrawBandHistogram(Canvas &canvas, const HistogramCounts &counts)
{
    std::int32_t maximum = 0;
    for (const std::int32_t count : counts)
        if (count > maximum)
            maximum = count;

    canvas.setPenStyle(PenStyle::Dotted);
    canvas.setPenColor(Colours::Blue);
    for (int k = 1; k <= 5; ++k) {
        canvas.moveTo(50 * k, 0);
        canvas.lineTo(50 * k, 200);
    }

    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenColor(Colours::Red);
    for (int value = 0; value < 256; ++value) {
        canvas.moveTo(value, 200);
        const Extended quotient = Fpu::Divide(counts[static_cast<std::size_t>(value)], maximum);
        const std::int32_t h = Fpu::Trunc(quotient * 200.0L);
        canvas.lineTo(value, 200 - h);
    }
}
