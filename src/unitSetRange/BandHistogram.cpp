#include "BandHistogram.h"

#include "toolkit/Extended.h"

#include <array>

HistogramCounts BandHistogram(const BandRaster &raster)
{
    // Neighbouring pixels often hold the same value; four partial counts,
    // taken in turn, let the additions to one count overlap.
    std::array<HistogramCounts, 4> partial{};
    for (std::size_t i = 1; i <= SceneWidth; ++i) {
        const auto &column = raster[i];
        for (std::size_t j = 1; j <= SceneHeight; j += 4) {
            ++partial[0][column[j]];
            ++partial[1][column[j + 1]];
            ++partial[2][column[j + 2]];
            ++partial[3][column[j + 3]];
        }
    }
    HistogramCounts counts{};
    for (std::size_t value = 0; value < 256; ++value)
        counts[value] = partial[0][value] + partial[1][value] + partial[2][value] + partial[3][value];
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
