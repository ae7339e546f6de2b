#include "Stretch.h"

#include "toolkit/Extended.h"

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

void DrawComposite(const BandRaster &band1, const BandRaster &band2, const StretchTable &stretch1, const StretchTable &stretch2, Canvas &canvas)
{
    // The first pixel is computed before the bitmap is touched: an empty
    // picture gets its bitmap only from the first pixel that is set.
    const std::uint32_t first = stretch1[band1[1][1]] * 0x010100u + stretch2[band2[1][1]];
    QImage &image = canvas.image(SceneWidth, SceneHeight);
    struct Changed
    {
        Canvas &canvas;
        ~Changed() { canvas.changed(); }
    } changed{canvas};
    for (int y = 0; y < SceneHeight; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < SceneWidth; ++x) {
            const std::uint32_t colour = (x == 0 && y == 0)
                ? first
                : stretch1[band1[static_cast<std::size_t>(x + 1)][static_cast<std::size_t>(y + 1)]] * 0x010100u
                    + stretch2[band2[static_cast<std::size_t>(x + 1)][static_cast<std::size_t>(y + 1)]];
            row[x] = ToQRgb(colour);
        }
    }
}
