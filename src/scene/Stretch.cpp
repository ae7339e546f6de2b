#include "Stretch.h"

#include "scene/ScenePixels.h"

#include "toolkit/Extended.h"

#include <algorithm>

namespace {
constexpr std::int16_t FailsZeroDivide = -1;
constexpr std::int16_t FailsInvalid = -2;
}

std::int32_t StretchValue(std::int32_t value, std::int32_t lower, std::int32_t upper)
{
    // The differences are taken in 64 bits, where they cannot overflow.
    const std::int64_t d = std::int64_t{upper} - lower;
    const std::int64_t n = std::int64_t{value} - lower;
    const Extended q = Fpu::Divide(256.0L, static_cast<Extended>(d));
    const Extended p = q * static_cast<Extended>(n);
    std::int32_t s = Fpu::Trunc(p);
    if (s < 0)
        s = 0;
    if (s > 255)
        s = 255;
    return s;
}

StretchTable::StretchTable(std::int32_t lower, std::int32_t upper)
{
    // Equal bounds divide 256 by zero whatever the value.
    if (lower == upper) {
        entries_.fill(FailsZeroDivide);
        return;
    }
    for (int value = 0; value < 256; ++value) {
        try {
            entries_[static_cast<std::size_t>(value)] = static_cast<std::int16_t>(StretchValue(value, lower, upper));
        } catch (const RuntimeError &error) {
            entries_[static_cast<std::size_t>(value)] = error.text() == ErrorText::ZeroDivide() ? FailsZeroDivide : FailsInvalid;
        }
    }
}

void StretchTable::raise(std::int16_t entry)
{
    throw RuntimeError(entry == FailsZeroDivide ? ErrorText::ZeroDivide() : ErrorText::InvalidOperation());
}

bool StretchTable::anyFailure() const
{
    return std::any_of(entries_.begin(), entries_.end(), [](std::int16_t entry) { return entry < 0; });
}

namespace {

// Pixel by pixel in line order, so that a failing stretch raises at the
// first pixel that needs it with every pixel before it set.
void DrawCompositeInLineOrder(const BandRaster &band1, const BandRaster &band2, const StretchTable &stretch1, const StretchTable &stretch2, QImage &image)
{
    for (int y = 0; y < SceneHeight; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < SceneWidth; ++x) {
            const auto i = static_cast<std::size_t>(x + 1);
            const auto j = static_cast<std::size_t>(y + 1);
            row[x] = ToQRgb(stretch1[band1[i][j]] * 0x010100u + stretch2[band2[i][j]]);
        }
    }
}

// When no value fails the order does not matter. The two stretched values
// fill separate channels, so each band maps through its own table of
// colours and the two are or-ed.
void DrawCompositeByColumnBands(const BandRaster &band1, const BandRaster &band2, const StretchTable &stretch1, const StretchTable &stretch2, QImage &image)
{
    std::array<QRgb, 256> blueGreen{};
    std::array<QRgb, 256> red{};
    for (int value = 0; value < 256; ++value) {
        const auto v = static_cast<BandValue>(value);
        blueGreen[v] = ToQRgb(stretch1[v] * 0x010100u);
        red[v] = ToQRgb(stretch2[v]) & 0x00FF0000u;
    }
    FillScenePixels(band1, band2, image, [&](BandValue value1, BandValue value2) { return blueGreen[value1] | red[value2]; });
}

}

void DrawComposite(const BandRaster &band1, const BandRaster &band2, const StretchTable &stretch1, const StretchTable &stretch2, Canvas &canvas)
{
    const bool failing = stretch1.anyFailure() || stretch2.anyFailure();
    if (failing) {
        // An empty picture gets its bitmap only from the first pixel that
        // is set: a failure there must raise before the bitmap is touched.
        stretch1.check(band1[1][1]);
        stretch2.check(band2[1][1]);
    }
    QImage &image = canvas.image(SceneWidth, SceneHeight);
    struct Changed
    {
        Canvas &canvas;
        ~Changed() { canvas.changed(); }
    } changed{canvas};
    if (failing)
        DrawCompositeInLineOrder(band1, band2, stretch1, stretch2, image);
    else
        DrawCompositeByColumnBands(band1, band2, stretch1, stretch2, image);
}
